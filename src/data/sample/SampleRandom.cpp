#include "data/sample/SampleRandom.h"

namespace vantir {

qint64 SampleRandom::between(qint64 low, qint64 high) {
    Q_ASSERT(low <= high && high - low < (qint64(1) << 32));
    const quint64 span = quint64(high - low) + 1;
    // Draws above the last whole multiple of span are thrown back, so that no value comes
    // up more often than another.
    const quint64 range = quint64(1) << 32;
    const quint64 limit = range - range % span;
    quint64 draw = engine_();
    while (draw >= limit) draw = engine_();
    return low + qint64(draw % span);
}

}  // namespace vantir
