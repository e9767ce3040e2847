#include "platform/text/Cp932.h"

#include <iconv.h>

#include <QSysInfo>
#include <array>
#include <cstring>
#include <memory>
#include <string>

namespace vantir::cp932 {

namespace {

constexpr const char* kCodePage = "CP932";
// Code points in the machine's own byte order, as std::u32string holds them.
constexpr const char* kUcs4 =
    QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-32LE" : "UTF-32BE";
constexpr char kUnmappable = '?';
constexpr char32_t kReplacement = 0xFFFD;

// One iconv conversion. A descriptor keeps state and must not be shared between threads,
// so each thread opens its own on first use.
class Converter {
  public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            qFatal("The C library cannot convert %s to %s; Shift_JIS text cannot be handled.", from,
                   to);
        }
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can; returns false where the input holds something the
    // target lacks (EILSEQ) or ends inside a character (EINVAL), leaving the pointers there.
    bool convert(const char** in, size_t* inLeft, char** out, size_t* outLeft) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        return iconv(handle_, const_cast<char**>(in), inLeft, out, outLeft) !=
               static_cast<size_t>(-1);
    }

  private:
    iconv_t handle_;
};

Converter& encoder() {
    thread_local Converter converter(kCodePage, kUcs4);
    return converter;
}

Converter& decoder() {
    thread_local Converter converter(kUcs4, kCodePage);
    return converter;
}

// CP932 bytes of every character of the Basic Multilingual Plane (0 = CP932 lacks it),
// asked of iconv once so that the width of a field's text is counted without converting
// it on every keystroke and always agrees with encode(). CP932 has nothing beyond the BMP.
using WidthTable = std::array<quint8, 0x10000>;

std::unique_ptr<WidthTable> buildWidthTable() {
    auto table = std::make_unique<WidthTable>();
    Converter& converter = encoder();
    for (char32_t code = 0; code < 0x10000; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF) {
            (*table)[code] = 0;
            continue;
        }
        const char* in = reinterpret_cast<const char*>(&code);
        size_t inLeft = sizeof code;
        char bytes[4];
        char* out = bytes;
        size_t outLeft = sizeof bytes;
        (*table)[code] =
            converter.convert(&in, &inLeft, &out, &outLeft) ? static_cast<quint8>(out - bytes) : 0;
    }
    return table;
}

const WidthTable& widthTable() {
    static const std::unique_ptr<WidthTable> table = buildWidthTable();
    return *table;
}

// The bytes one character of text takes once encoded: its CP932 width, or 1 for the '?'
// that stands in for a character CP932 lacks. `index` moves past a surrogate pair.
int characterWidth(const QString& text, qsizetype* index) {
    const QChar ch = text.at(*index);
    if (ch.isHighSurrogate() && *index + 1 < text.size() && text.at(*index + 1).isLowSurrogate()) {
        ++*index;
        return 1;
    }
    const int width = widthTable()[ch.unicode()];
    return width == 0 ? 1 : width;
}

}  // namespace

int byteLength(const QString& text) {
    int length = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        length += unit < 0x80 ? 1 : characterWidth(text, &i);
    }
    return length;
}

QByteArray encode(const QString& text) {
    // Lone surrogates become U+FFFD here, which CP932 lacks, so they too turn into '?'.
    const std::u32string units = text.toStdU32String();
    QByteArray bytes(units.size() * 2, Qt::Uninitialized);
    const char* in = reinterpret_cast<const char*>(units.data());
    size_t inLeft = units.size() * sizeof(char32_t);
    char* out = bytes.data();
    size_t outLeft = bytes.size();
    Converter& converter = encoder();
    while (!converter.convert(&in, &inLeft, &out, &outLeft) && inLeft >= sizeof(char32_t)) {
        // A character CP932 lacks: write '?' in its place and go on with the next one.
        *out++ = kUnmappable;
        --outLeft;
        in += sizeof(char32_t);
        inLeft -= sizeof(char32_t);
    }
    bytes.truncate(out - bytes.data());
    return bytes;
}

QString decode(const QByteArray& bytes) {
    std::u32string units(bytes.size(), U'\0');
    const char* in = bytes.constData();
    size_t inLeft = bytes.size();
    char* out = reinterpret_cast<char*>(units.data());
    size_t outLeft = units.size() * sizeof(char32_t);
    Converter& converter = decoder();
    while (!converter.convert(&in, &inLeft, &out, &outLeft) && inLeft > 0) {
        // A byte that starts no CP932 character (or a lead byte cut off at the end) reads
        // as the replacement character, so the rest of the text is still read.
        std::memcpy(out, &kReplacement, sizeof kReplacement);
        out += sizeof kReplacement;
        outLeft -= sizeof kReplacement;
        ++in;
        --inLeft;
    }
    const qsizetype count = (out - reinterpret_cast<char*>(units.data())) / sizeof(char32_t);
    return QString::fromUcs4(units.data(), count);
}

bool canEncode(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        if (unit >= 0x80 && (QChar::isSurrogate(unit) || widthTable()[unit] == 0)) return false;
    }
    return true;
}

QString truncate(const QString& text, int maxBytes) {
    int length = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype start = i;
        length += characterWidth(text, &i);
        if (length > maxBytes) return text.left(start);
    }
    return text;
}

}  // namespace vantir::cp932
