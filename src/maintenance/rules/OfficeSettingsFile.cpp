#include "maintenance/rules/OfficeSettingsFile.h"

#include <QDir>

#include "platform/system/ShiftJisTextFile.h"

namespace vantir {

const QString OfficeSettingsFile::kFileName = QStringLiteral("VantirTenSet.ini");
const QString OfficeSettingsFile::kDefaultCode = QStringLiteral("01");

OfficeSettingsFile::OfficeSettingsFile(const QString& programDir)
    : path_(QDir(programDir).filePath(kFileName)) {}

std::optional<OfficeSettings> OfficeSettingsFile::read() const {
    const auto lines = ShiftJisTextFile::readLines(path_);
    if (!lines) return std::nullopt;
    return OfficeSettings{lines->value(0), lines->value(1)};
}

bool OfficeSettingsFile::write(const OfficeSettings& settings) const {
    return ShiftJisTextFile::writeLines(path_, {settings.code, settings.name});
}

}  // namespace vantir
