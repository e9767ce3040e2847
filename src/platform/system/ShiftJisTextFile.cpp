#include "platform/system/ShiftJisTextFile.h"

#include <QFile>
#include <QSaveFile>

#include "platform/text/Cp932.h"

namespace vantir {

std::optional<QStringList> ShiftJisTextFile::readLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    QStringList lines = cp932::decode(bytes).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();  // after the last line end
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    }
    return lines;
}

bool ShiftJisTextFile::writeLines(const QString& path, const QStringList& lines) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QByteArray bytes;
    for (const QString& line : lines) bytes += cp932::encode(line) + QByteArrayLiteral("\r\n");
    if (file.write(bytes) != bytes.size()) return false;
    return file.commit();
}

}  // namespace vantir
