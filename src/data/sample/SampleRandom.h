#pragma once

#include <QList>
#include <QtGlobal>
#include <random>

namespace vantir {

// The dice of the sample company. The engine is std::mt19937, whose sequence the C++
// standard fixes; the draws are worked out here rather than by the standard library's
// distributions, whose results differ between library versions, so that one seed gives
// the same company on every machine.
class SampleRandom {
  public:
    explicit SampleRandom(quint32 seed) : engine_(seed) {}

    // A whole number from low to high, both included, every value equally likely.
    qint64 between(qint64 low, qint64 high);
    // True in about `chance` of 100 draws.
    bool percent(int chance) { return between(1, 100) <= chance; }
    // A whole number from low to high in steps of `step` (amounts rounded to 100 yen).
    qint64 steps(qint64 low, qint64 high, qint64 step) {
        return between(low / step, high / step) * step;
    }
    // One element of a list that is not empty.
    template <typename T>
    const T& pick(const QList<T>& items) {
        return items[qsizetype(between(0, items.size() - 1))];
    }

  private:
    std::mt19937 engine_;
};

}  // namespace vantir
