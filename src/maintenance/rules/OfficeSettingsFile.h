#pragma once

#include <QString>
#include <optional>

namespace vantir {

// The own office of this installation: a code of the office master HIMAS1 and its name.
struct OfficeSettings {
    QString code;  // TENCOD
    QString name;  // TENMEI
};

// "VantirTenSet.ini" in the program directory: line 1 the own office code, line 2 its
// name, in Shift_JIS. Read once at start; written by the own-office screen.
class OfficeSettingsFile {
  public:
    static const QString kFileName;     // "VantirTenSet.ini"
    static const QString kDefaultCode;  // "01", written when the file is missing

    explicit OfficeSettingsFile(const QString& programDir);

    const QString& path() const { return path_; }
    // The two lines (a missing line reads as empty); nullopt when the file cannot be read.
    std::optional<OfficeSettings> read() const;
    bool write(const OfficeSettings& settings) const;

  private:
    QString path_;
};

}  // namespace vantir
