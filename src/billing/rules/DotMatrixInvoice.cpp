#include "billing/rules/DotMatrixInvoice.h"

#include <algorithm>

#include "platform/report/NumberMask.h"
#include "platform/text/Cp932.h"

namespace vantir {

namespace {

constexpr char ESC = 0x1B;
constexpr char FS = 0x1C;

QByteArray bytes(std::initializer_list<char> values) {
    return QByteArray(values.begin(), qsizetype(values.size()));
}

const QByteArray kEndOfLine = bytes({'\r', '\n'});
const QByteArray kFormFeed = bytes({0x0C});
// Kanji spacing and the half/full-width character pitch of the pre-printed form.
const QByteArray kKanjiSpacing = bytes({FS, 'V', FS, 'S', 6, 6, FS, 'T', 3, 4});
const QByteArray kStartOfJob = bytes({ESC, 'C', 60, FS, '&'}) + kKanjiSpacing + bytes({FS, 0x0F});
const QByteArray kEndOfJob = kKanjiSpacing + bytes({FS, '.'});
const QByteArray kEnlargedOn = bytes({FS, 'W', 1, ESC, 'W', 0});
const QByteArray kEnlargedOff = bytes({FS, 'W', 0, ESC, 'W', 0});
const QByteArray kHalfLineSpacing = bytes({ESC, '3', 15});
const QByteArray kSmallGapSpacing = bytes({ESC, '3', 3});
const QByteArray kNormalSpacing = bytes({ESC, '3', 30});

QByteArray spaces(int count) { return QByteArray(count, ' '); }

QString yen(qint64 amount) {
    static const NumberMask mask(QStringLiteral("#,##0"));
    return mask.format(QVariant::fromValue(amount));
}

class StreamWriter {
  public:
    void line(const QByteArray& text = {}) { out_ += text + kEndOfLine; }
    void emptyLines(int count) {
        for (int i = 0; i < count; ++i) line();
    }
    void halfLineAdvance() { out_ += kHalfLineSpacing + kEndOfLine + kNormalSpacing; }
    void smallGap() { out_ += kSmallGapSpacing + kEndOfLine + kNormalSpacing; }
    void raw(const QByteArray& bytes) { out_ += bytes; }
    QByteArray take() { return std::move(out_); }

  private:
    QByteArray out_;
};

void writeHeader(StreamWriter& out, const InvoiceSheet& sheet) {
    out.line(spaces(63) + cp932::encode(sheet.THYMD));
    out.emptyLines(2);
    out.line(spaces(5) + cp932::encode(sheet.KZIP));
    out.emptyLines(1);
    out.line(spaces(3) + cp932::encode(sheet.KADD1));
    out.emptyLines(1);
    out.halfLineAdvance();
    out.line(spaces(3) + cp932::encode(sheet.KADD2));
    out.emptyLines(1);
    out.raw(kEnlargedOn);
    out.raw(spaces(3) + cp932::encode(sheet.KNAME));
    out.raw(kEnlargedOff);
    out.line();
    out.halfLineAdvance();
    out.emptyLines(2);
    out.line(spaces(20) + cp932::encode(yen(sheet.GKING) + QStringLiteral("   (内消費税 ") +
                                        yen(sheet.ZKING) + QLatin1Char(')')));
    out.emptyLines(3);
    out.halfLineAdvance();
}

QByteArray slipLine(const InvoiceLine& line) {
    return ' ' + cp932::encode(line.DDAY.mid(3, 5)) + "  " +
           DotMatrixInvoice::leftAligned(line.HATTI, 10, 10) +
           DotMatrixInvoice::leftAligned(line.THTTI, 10, 11) +
           DotMatrixInvoice::leftAligned(line.BIKO, 10, 13) +
           DotMatrixInvoice::leftAligned(line.TON, 4) +
           DotMatrixInvoice::leftAligned(line.SHBAN, 4) +
           DotMatrixInvoice::rightAligned(yen(line.UKING), 11) +
           DotMatrixInvoice::rightAligned(yen(line.UHIYO), 8);
}

int padding(int length, int width) {
    return std::clamp(width - length, 0, DotMatrixInvoice::kMaxPadding);
}

}  // namespace

QByteArray DotMatrixInvoice::leftAligned(const QString& text, int maxBytes, int width) {
    const QByteArray cut = cp932::encode(cp932::truncate(text, maxBytes));
    return cut + spaces(padding(int(cut.size()), width));
}

QByteArray DotMatrixInvoice::leftAligned(const QString& text, int width) {
    const QByteArray encoded = cp932::encode(text);
    return encoded + spaces(padding(int(encoded.size()), width));
}

QByteArray DotMatrixInvoice::rightAligned(const QString& text, int width) {
    const QByteArray encoded = cp932::encode(text);
    return spaces(padding(int(encoded.size()), width)) + encoded;
}

QByteArray DotMatrixInvoice::stream(const InvoiceSheet& sheet, const QList<InvoiceLine>& lines) {
    // Without slips the form still carries one line, of empty values.
    const QList<InvoiceLine> printed = lines.isEmpty() ? QList<InvoiceLine>{InvoiceLine{}} : lines;
    StreamWriter out;
    out.raw(kStartOfJob);
    qsizetype next = 0;
    bool pageOpen = false;
    int onPage = 0;
    while (next < printed.size()) {
        if (!pageOpen) {
            writeHeader(out, sheet);
            pageOpen = true;
            onPage = 0;
        }
        out.line(slipLine(printed[next++]));
        out.smallGap();
        if (++onPage == kLinesPerPage) {
            out.raw(kFormFeed);
            pageOpen = false;
        }
    }
    if (pageOpen) {
        for (int position = onPage; position < kSlipPositions; ++position) {
            out.line();
            out.smallGap();
        }
    }
    out.halfLineAdvance();
    out.line(spaces(50) + rightAligned(yen(sheet.UKING), 9) + rightAligned(yen(sheet.UHIYO), 8));
    out.raw(kEndOfJob);
    return out.take();
}

}  // namespace vantir
