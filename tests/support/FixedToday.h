#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace vantir::test {

// Fixes today's date (VANTIR_TODAY, "YYYY-MM-DD") for as long as it lives, then puts the
// run's own value back, so a test can look at the year window or a month end from any
// date without leaking it into the next test.
class FixedToday {
  public:
    explicit FixedToday(const QByteArray& isoDate)
        : hadValue_(qEnvironmentVariableIsSet(kName)), previous_(qgetenv(kName)) {
        qputenv(kName, isoDate);
    }
    ~FixedToday() {
        if (hadValue_) {
            qputenv(kName, previous_);
        } else {
            qunsetenv(kName);
        }
    }
    FixedToday(const FixedToday&) = delete;
    FixedToday& operator=(const FixedToday&) = delete;

  private:
    static constexpr const char* kName = "VANTIR_TODAY";
    bool hadValue_;
    QByteArray previous_;
};

}  // namespace vantir::test
