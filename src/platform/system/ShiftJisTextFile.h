#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vantir {

// The system's small settings files: plain text in Shift_JIS, one value a line, lines
// ended with CR LF as the Windows version writes them.
class ShiftJisTextFile {
  public:
    // The file's lines (either line end accepted); nullopt when it cannot be opened or read.
    static std::optional<QStringList> readLines(const QString& path);
    // Replaces the file as a whole (a failed write leaves the old file); false on failure.
    static bool writeLines(const QString& path, const QStringList& lines);
};

}  // namespace vantir
