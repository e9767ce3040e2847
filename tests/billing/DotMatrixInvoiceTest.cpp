#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "InvoiceFixture.h"
#include "ScopedRawPrinter.h"
#include "billing/rules/DotMatrixCopy.h"
#include "billing/rules/DotMatrixInvoice.h"
#include "billing/rules/InvoiceRun.h"
#include "platform/report/PrinterError.h"
#include "platform/text/Cp932.h"
#include "support/QtPrinters.h"
#include "support/ReferenceText.h"

namespace vantir::test {
namespace {

InvoiceSheet sheet() {
    InvoiceSheet s;
    s.KCODE = QStringLiteral("000012");
    s.KNAME = QStringLiteral("丸山運送株式会社");
    s.THYMD = QStringLiteral("24/02/20");
    s.KZIP = QStringLiteral("100-0001");
    s.KADD1 = QStringLiteral("東京都千代田区千代田1-1");
    s.KADD2 = QStringLiteral("丸山ビル3F");
    s.UKING = 1234567;
    s.UHIYO = 8900;
    s.ZKING = 61728;
    s.GKING = 1305195;
    return s;
}

InvoiceLine line(int day) {
    return {QStringLiteral("24/02/%1").arg(day, 2, 10, QLatin1Char('0')),
            QStringLiteral("横浜市"),
            QStringLiteral("大阪府堺市"),
            QStringLiteral("冷凍"),
            QStringLiteral("10t"),
            QStringLiteral("1234"),
            40000 + day,
            day % 2 ? 500 : 0};
}

QList<InvoiceLine> lines(int count) {
    QList<InvoiceLine> result;
    for (int i = 1; i <= count; ++i) result.append(line(i % 28 + 1));
    return result;
}

QByteArray operator""_b(const char* text, size_t size) { return QByteArray(text, qsizetype(size)); }

const QByteArray kStart =
    "\x1b"
    "C"
    "\x3c"
    "\x1c&"
    "\x1cV\x1cS\x06\x06\x1cT\x03\x04"
    "\x1c\x0f"_b;
const QByteArray kEnd =
    "\x1cV\x1cS\x06\x06\x1cT\x03\x04"
    "\x1c."_b;
const QByteArray kSmallGap =
    "\x1b"
    "3\x03\r\n\x1b"
    "3\x1e"_b;
const QByteArray kHalfLine =
    "\x1b"
    "3\x0f\r\n\x1b"
    "3\x1e"_b;

TEST(DotMatrixInvoiceTest, StreamsMatchTheirReferenceBytes) {
    for (int count : {0, 1, 31, 32}) {
        SCOPED_TRACE(count);
        EXPECT_TRUE(matchesReferenceBytes(DotMatrixInvoice::stream(sheet(), lines(count)), __FILE__,
                                          QStringLiteral("seikyu_dot_%1.bin").arg(count)));
    }
}

TEST(DotMatrixInvoiceTest, OneSlipByteForByte) {
    const QByteArray enlargedOn = "\x1cW\x01\x1bW\x00"_b;
    const QByteArray enlargedOff = "\x1cW\x00\x1bW\x00"_b;
    auto sjis = [](const char* text) { return cp932::encode(QString::fromUtf8(text)); };
    QByteArray expected = kStart;
    expected += QByteArray(63, ' ') + "24/02/20\r\n\r\n\r\n";
    expected += QByteArray(5, ' ') + "100-0001\r\n\r\n";
    expected += QByteArray(3, ' ') + sjis("東京都千代田区千代田1-1") + "\r\n\r\n" + kHalfLine;
    expected += QByteArray(3, ' ') + sjis("丸山ビル3F") + "\r\n\r\n";
    expected += enlargedOn + QByteArray(3, ' ') + sjis("丸山運送株式会社") + enlargedOff + "\r\n";
    expected += kHalfLine + "\r\n\r\n";
    expected += QByteArray(20, ' ') + sjis("1,305,195   (内消費税 61,728)") + "\r\n\r\n\r\n\r\n";
    expected += kHalfLine;
    // " mm/dd  " origin(10) destination(11) remark(13) type(4) number(4) freight(11) costs(8)
    expected += " 02/03  " + sjis("横浜市") + QByteArray(4, ' ') + sjis("大阪府堺市") + " " +
                sjis("冷凍") + QByteArray(9, ' ') + "10t " + "1234" + "     40,003" + "     500" +
                "\r\n" + kSmallGap;
    for (int position = 1; position < 32; ++position) expected += "\r\n" + kSmallGap;
    expected += kHalfLine + QByteArray(50, ' ') + "1,234,567" + "   8,900" + "\r\n" + kEnd;

    EXPECT_EQ(DotMatrixInvoice::stream(sheet(), {line(3)}).toHex(' '), expected.toHex(' '));
}

TEST(DotMatrixInvoiceTest, FieldsAreCutOnCharacterBoundariesAndPaddedAtMostTenSpaces) {
    struct Case {
        const char* name;
        const char* text;
        int maxBytes;
        int width;
        const char* expected;  // UTF-8 of the Shift_JIS bytes; '_' stands for a space
    };
    const Case cases[] = {
        {"12 double-byte origin", "東京都千代田区丸の内一丁", 10, 10, "東京都千代"},
        {"mixed origin", "A東京都千代田", 10, 10, "A東京都千_"},
        {"single-byte origin", "ABCDEFGHIJKL", 10, 10, "ABCDEFGHIJ"},
        {"half-width katakana", "ﾄｳｷｮｳﾄﾁﾖﾀﾞｸ", 10, 10, "ﾄｳｷｮｳﾄﾁﾖﾀﾞ"},
        {"two-byte remark", "急", 10, 13, "急__________"},
        {"empty destination", "", 10, 11, "__________"},
        {"short destination", "堺", 10, 11, "堺_________"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray expected = cp932::encode(
            QString::fromUtf8(c.expected).replace(QLatin1Char('_'), QLatin1Char(' ')));
        EXPECT_EQ(DotMatrixInvoice::leftAligned(QString::fromUtf8(c.text), c.maxBytes, c.width),
                  expected);
    }
}

TEST(DotMatrixInvoiceTest, ThirtyOneSlipsFeedThePageAndLeaveTheTotalsAlone) {
    const QByteArray stream = DotMatrixInvoice::stream(sheet(), lines(31));

    EXPECT_EQ(stream.count('\x0c'), 1);
    EXPECT_EQ(stream.count(kSmallGap), 31);
    const QByteArray afterFeed = stream.mid(stream.indexOf('\x0c') + 1);
    EXPECT_EQ(afterFeed, kHalfLine + QByteArray(50, ' ') + "1,234,567   8,900\r\n" + kEnd);
}

TEST(DotMatrixInvoiceTest, ThirtyTwoSlipsRepeatTheHeaderAndFillThePageTo32Positions) {
    const QByteArray stream = DotMatrixInvoice::stream(sheet(), lines(32));

    EXPECT_EQ(stream.count(QByteArray(QByteArray(63, ' ') + "24/02/20")), 2);
    EXPECT_EQ(stream.count('\x0c'), 1);
    const QByteArray secondPage = stream.mid(stream.indexOf('\x0c') + 1);
    EXPECT_EQ(secondPage.count(kSmallGap), 32);
    // The empty positions: an end of line straight after the previous small gap.
    EXPECT_EQ(secondPage.count(QByteArray("\x1b"
                                          "3\x1e\r\n" +
                                          kSmallGap)),
              31);
}

class DotMatrixCopyTest : public InvoiceFixture {};

TEST_F(DotMatrixCopyTest, APrinterThatCannotBeOpenedIsAnErrorAndChangesNothing) {
    seedRows(dm1.database(), "HIMAS3", {customer("000012", "丸山運送", "20")});
    seedRows(dm1.database(), "HITRAN1", {slip(1, "24/02/01", "000012", 1000)});
    ASSERT_TRUE(
        InvoiceRun(dm1).print(QStringLiteral("000012"), QStringLiteral("丸山運送"), february()));
    const auto state = [&] {
        return rows("SELECT * FROM WK_SEK_HED") + rows("SELECT * FROM WK_SEIKYU") +
               rows("SELECT * FROM HITRANM");
    };
    const QStringList before = state();
    const QTemporaryDir out;
    const ScopedRawPrinter printer(out.filePath(QStringLiteral("no/such/printer")));

    try {
        DotMatrixCopy::print(dm1);
        ADD_FAILURE() << "no error";
    } catch (const PrinterError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("プリンタ印字エラー"));
    }

    EXPECT_EQ(state(), before);
}

TEST_F(DotMatrixCopyTest, TheCopyReadsTheLastRunsRows) {
    seedRows(dm1.database(), "HIMAS3", {customer("000012", "丸山運送", "20")});
    seedRows(dm1.database(), "HITRAN1",
             {slip(2, "24/02/11", "000012", 2000), slip(1, "24/02/01", "000012", 1000)});
    ASSERT_TRUE(
        InvoiceRun(dm1).print(QStringLiteral("000012"), QStringLiteral("丸山運送"), february()));

    const QByteArray bytes = DotMatrixCopy::bytes(dm1);

    EXPECT_TRUE(bytes.contains(QByteArray(QByteArray(5, ' ') + "100-0001\r\n")));
    EXPECT_LT(bytes.indexOf(" 02/01  "), bytes.indexOf(" 02/11  "));  // by billing date
    EXPECT_TRUE(bytes.contains(QByteArray(QByteArray(50, ' ') + "    3,000       0\r\n")));
}

}  // namespace
}  // namespace vantir::test
