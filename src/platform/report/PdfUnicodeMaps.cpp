#include "platform/report/PdfUnicodeMaps.h"

#include <QIODevice>
#include <QList>
#include <QMap>
#include <QRegularExpression>
#include <algorithm>

#include "platform/report/ReportError.h"

namespace vantir {

namespace {

constexpr qint64 kBlock = 64 * 1024;
constexpr qint64 kTailRead = 1024;
constexpr int kPerBlock = 100;  // the most mappings one bfchar block may hold

const QByteArray kMapStart("/CIDInit /ProcSet findresource begin");

[[noreturn]] void unreadable(const char* what) {
    throw ReportError(QStringLiteral("PDFの文字対応表を書き換えられません: ") +
                      QLatin1String(what));
}

// One entry of the cross-reference table.
struct XrefEntry {
    int object;
    qint64 offset;
    QByteArray generation;
    bool inUse;
};

struct CrossReference {
    qint64 offset = 0;  // where the table begins
    QList<XrefEntry> entries;
    QByteArray trailer;  // "trailer" up to "startxref"
};

QByteArray readAt(QIODevice& source, qint64 offset, qint64 length) {
    if (!source.seek(offset)) unreadable("seek");
    QByteArray data = source.read(length);
    if (data.size() != length) unreadable("short read");
    return data;
}

CrossReference readCrossReference(QIODevice& source) {
    const qint64 size = source.size();
    const qint64 tailAt = std::max<qint64>(0, size - kTailRead);
    const QByteArray tail = readAt(source, tailAt, size - tailAt);
    const qsizetype start = tail.lastIndexOf("startxref");
    if (start < 0) unreadable("no startxref");
    CrossReference xref;
    bool ok = false;
    xref.offset = tail.mid(start + 9).trimmed().split('\n').value(0).trimmed().toLongLong(&ok);
    if (!ok || xref.offset <= 0 || xref.offset >= size) unreadable("startxref");
    const QByteArray table = readAt(source, xref.offset, size - xref.offset);
    const qsizetype trailerAt = table.indexOf("trailer");
    const qsizetype startxrefAt = table.lastIndexOf("startxref");
    if (!table.startsWith("xref") || trailerAt < 0 || startxrefAt < trailerAt)
        unreadable("cross-reference table");
    xref.trailer = table.mid(trailerAt, startxrefAt - trailerAt);
    const QList<QByteArray> lines = table.left(trailerAt).simplified().split(' ');
    // "xref", then subsections: first count, then count entries of three words.
    qsizetype at = 1;
    while (at + 1 < lines.size()) {
        const int first = lines[at].toInt();
        const int count = lines[at + 1].toInt();
        at += 2;
        if (at + 3 * qsizetype(count) > lines.size()) unreadable("cross-reference entries");
        for (int i = 0; i < count; ++i, at += 3)
            xref.entries.append(
                {first + i, lines[at].toLongLong(), lines[at + 1], lines[at + 2] == "n"});
    }
    for (qsizetype i = 0; i < xref.entries.size(); ++i)
        if (xref.entries[i].object != i) unreadable("cross-reference numbering");
    return xref;
}

void copyRange(QIODevice& source, QIODevice& target, qint64 from, qint64 to) {
    if (!source.seek(from)) unreadable("seek");
    for (qint64 left = to - from; left > 0;) {
        const QByteArray block = source.read(std::min(left, kBlock));
        if (block.isEmpty()) unreadable("short read");
        if (target.write(block) != block.size()) unreadable("write");
        left -= block.size();
    }
}

void write(QIODevice& target, const QByteArray& data) {
    if (target.write(data) != data.size()) unreadable("write");
}

// A ToUnicode map object rewritten, or an empty array when the object is none.
QByteArray mendedObject(QIODevice& source, const XrefEntry& entry, qint64 end,
                        const QHash<char32_t, char32_t>& corrections) {
    const qint64 length = end - entry.offset;
    if (!readAt(source, entry.offset, std::min<qint64>(length, 128)).contains(kMapStart)) return {};
    const QByteArray object = readAt(source, entry.offset, length);
    const qsizetype begin = object.indexOf("stream\n");
    const qsizetype finish = object.lastIndexOf("endstream");
    if (begin < 0 || finish < begin) unreadable("map stream");
    const QByteArray map =
        PdfUnicodeMaps::corrected(object.mid(begin + 7, finish - begin - 7), corrections);
    return QByteArray::number(entry.object) + " 0 obj\n<< /Length " +
           QByteArray::number(map.size()) + " >>\nstream\n" + map + "endstream\nendobj\n";
}

QString fromHex(const QByteArray& hex) {
    QString text;
    for (qsizetype i = 0; i + 4 <= hex.size(); i += 4)
        text.append(QChar(char16_t(hex.mid(i, 4).toUInt(nullptr, 16))));
    return text;
}

QByteArray toHex(const QString& text) {
    QByteArray hex;
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex;
}

}  // namespace

QByteArray PdfUnicodeMaps::corrected(const QByteArray& map,
                                     const QHash<char32_t, char32_t>& corrections) {
    static const QRegularExpression hex(QStringLiteral("<([0-9A-Fa-f]+)>"));
    QMap<uint, QString> mappings;  // code of the glyph -> the text it stands for
    enum class Block { None, Char, Range } block = Block::None;
    for (const QByteArray& line : map.split('\n')) {
        if (line.endsWith("beginbfchar"))
            block = Block::Char;
        else if (line.endsWith("beginbfrange"))
            block = Block::Range;
        else if (line.startsWith("endbf"))
            block = Block::None;
        if (block == Block::None || line.endsWith("beginbfchar") || line.endsWith("beginbfrange"))
            continue;
        QList<QByteArray> codes;
        for (const auto& match : hex.globalMatch(QString::fromLatin1(line)))
            codes << match.captured(1).toLatin1();
        if (block == Block::Char) {
            if (codes.size() != 2) unreadable("bfchar");
            mappings.insert(codes[0].toUInt(nullptr, 16), fromHex(codes[1]));
            continue;
        }
        if (codes.size() < 3) unreadable("bfrange");
        const uint low = codes[0].toUInt(nullptr, 16);
        const uint high = codes[1].toUInt(nullptr, 16);
        const bool array = line.contains('[');
        if (high < low || (array && codes.size() - 2 != qsizetype(high - low + 1)))
            unreadable("bfrange");
        for (uint code = low; code <= high; ++code) {
            if (array) {
                mappings.insert(code, fromHex(codes[2 + (code - low)]));
            } else {
                QString text = fromHex(codes[2]);
                text.back() = QChar(char16_t(text.back().unicode() + (code - low)));
                mappings.insert(code, text);
            }
        }
    }
    QList<QByteArray> lines;
    for (auto it = mappings.begin(); it != mappings.end(); ++it) {
        QString text = it.value();
        if (text == QString(QChar(0))) continue;  // the missing glyph stands for nothing
        const QList<uint> points = text.toUcs4();
        if (points.size() == 1 && corrections.contains(points[0])) {
            const char32_t printed = corrections.value(points[0]);
            text = QString::fromUcs4(&printed, 1);
        }
        lines << "<" + QByteArray::number(it.key(), 16).rightJustified(4, '0').toUpper() + "> <" +
                     toHex(text) + ">\n";
    }
    QByteArray out = kMapStart +
                     "\n12 dict begin\nbegincmap\n"
                     "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                     "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                     "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    for (qsizetype first = 0; first < lines.size(); first += kPerBlock) {
        const QList<QByteArray> part = lines.mid(first, kPerBlock);
        out += QByteArray::number(part.size()) + " beginbfchar\n" + part.join() + "endbfchar\n";
    }
    out += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    return out;
}

void PdfUnicodeMaps::rewrite(QIODevice& source, QIODevice& target,
                             const QHash<char32_t, char32_t>& corrections) {
    CrossReference xref = readCrossReference(source);
    QList<XrefEntry*> objects;
    for (XrefEntry& entry : xref.entries)
        if (entry.inUse) objects.append(&entry);
    std::sort(objects.begin(), objects.end(),
              [](const XrefEntry* a, const XrefEntry* b) { return a->offset < b->offset; });
    qint64 copied = 0;
    qint64 shift = 0;  // how far the objects read so far moved
    for (qsizetype i = 0; i < objects.size(); ++i) {
        XrefEntry& entry = *objects[i];
        const qint64 end = i + 1 < objects.size() ? objects[i + 1]->offset : xref.offset;
        const qint64 offset = entry.offset;
        const QByteArray mended = mendedObject(source, entry, end, corrections);
        entry.offset = offset + shift;
        if (mended.isEmpty()) continue;
        copyRange(source, target, copied, offset);
        write(target, mended);
        copied = end;
        shift += mended.size() - (end - offset);
    }
    copyRange(source, target, copied, xref.offset);
    QByteArray table = "xref\n0 " + QByteArray::number(xref.entries.size()) + '\n';
    for (const XrefEntry& entry : xref.entries)
        table += QByteArray::number(entry.offset).rightJustified(10, '0') + ' ' + entry.generation +
                 (entry.inUse ? " n \n" : " f \n");
    write(target, table + xref.trailer + "startxref\n" + QByteArray::number(xref.offset + shift) +
                      "\n%%EOF\n");
}

}  // namespace vantir
