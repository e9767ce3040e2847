#pragma once

#include <QLocale>

namespace vantir::test {

// The test programs run under a Japanese default locale; a test that must show what a
// machine with another locale (LANG=C.UTF-8) sees sets that one for its own scope.
class ScopedDefaultLocale {
  public:
    explicit ScopedDefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~ScopedDefaultLocale() { QLocale::setDefault(saved_); }
    ScopedDefaultLocale(const ScopedDefaultLocale&) = delete;
    ScopedDefaultLocale& operator=(const ScopedDefaultLocale&) = delete;

  private:
    QLocale saved_;
};

}  // namespace vantir::test
