#pragma once

#include <QByteArray>
#include <QString>

namespace vantir {

// Shift_JIS as Windows writes it (code page 932, Windows-31J). Every text width of the
// tables is counted in these bytes: a full-width character takes 2, ASCII and half-width
// katakana 1.
namespace cp932 {

int byteLength(const QString& text);
QByteArray encode(const QString& text);      // characters CP932 lacks become '?'
QString decode(const QByteArray& bytes);
bool canEncode(const QString& text);
// The longest start of text that fits in maxBytes, never splitting a double-byte character.
QString truncate(const QString& text, int maxBytes);

}  // namespace cp932
}  // namespace vantir
