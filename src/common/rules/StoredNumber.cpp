#include "common/rules/StoredNumber.h"

#include <QByteArray>
#include <optional>

#include "platform/db/WholeNumberColumn.h"
#include "platform/text/Cp932.h"

namespace vantir {

namespace {

const QByteArray kFullWidthSpace("\x81\x40");
constexpr int kBytesRead = 6;

QString cleaned(const QString& stored) {
    const QByteArray bytes = cp932::encode(stored);
    if (!bytes.contains(kFullWidthSpace)) return stored;
    QByteArray rebuilt;
    const int count = int(std::min<qsizetype>(bytes.size(), kBytesRead));
    for (int i = 1; i < count; ++i) {
        const char byte = bytes[i];
        if (byte == ' ') continue;
        if (byte == '\x40' && i < kBytesRead - 1) continue;
        rebuilt.append(byte);
    }
    return cp932::decode(rebuilt);
}

QString trimmedSpaces(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ') ++begin;
    while (end > begin && text[end - 1] == u' ') --end;
    return text.mid(begin, end - begin);
}

}  // namespace

StoredNumber StoredNumber::read(const QString& stored) {
    StoredNumber number;
    number.text = trimmedSpaces(cleaned(stored));
    if (number.text.isEmpty()) return number;
    // Read as the table's number index reads its values, so that the index and this
    // reading always agree on which stored numbers count.
    const std::optional<qint64> value = WholeNumberColumn::plainValue(number.text);
    number.kind = value ? Kind::Number : Kind::NotANumber;
    number.value = value.value_or(0);
    return number;
}

}  // namespace vantir
