#pragma once

#include <QString>
#include <array>
#include <optional>

namespace vantir {

class Registry;

// The date and time formats the program works with, whatever the user's locale is: every
// conversion between text and dates or times uses these. The user's regional values
// under "Control Panel\International" are forced to them for the run and put back on
// close, so that other programs of the user see them as they were.
class RegionalFormats {
  public:
    static const QString kShortDate;   // "yy/MM/dd"
    static const QString kTimeFormat;  // "HH:mm:ss"
    static const QString kShortTime;   // "HH:mm"
    static const QString kInternationalKey;

    explicit RegionalFormats(Registry& registry) : registry_(registry) {}

    // Reads the three values found now into the restore values, then writes the required
    // text over each that differs. A key that cannot be opened is skipped silently.
    void force();
    // Writes back each value that differed from the required text at start; one that was
    // missing at start is removed again. A value that already was the required text is
    // not touched.
    void restore();

  private:
    struct Setting {
        const QString& name;
        const QString& required;
    };
    static std::array<Setting, 3> settings();

    Registry& registry_;
    std::array<std::optional<QString>, 3> found_;
    bool forced_ = false;
};

}  // namespace vantir
