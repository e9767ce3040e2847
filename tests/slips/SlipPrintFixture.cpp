#include "SlipPrintFixture.h"

#include "platform/dataset/Dataset.h"
#include "slips/rules/SlipPrintouts.h"
#include "support/Seed.h"

namespace vantir::test {

namespace {

struct SlipSeed {
    const char* code;
    const char* hymd;
    const char* thymd;
    const char* sekbn;
    const char* chkday;  // nullptr: NULL
    qint64 uking;
    qint64 uhiyo;
    qint64 sking;
    qint64 shiyo;
    const char* biko;
};

SeedRow slip(const SlipSeed& s) {
    const QString hymd = QString::fromLatin1(s.hymd);
    const QString thymd = QString::fromLatin1(s.thymd);
    return {{"CODE", QString::fromLatin1(s.code)},
            {"HYMD", hymd},
            {"THYMD", thymd},
            {"SEKBN", QString::fromLatin1(s.sekbn)},
            {"DDAY", QLatin1String(s.sekbn) == QLatin1String("0") ? hymd : thymd},
            {"KCODE", "000001"},
            {"KNAME", QStringLiteral("入江運送")},
            {"HATTI", QStringLiteral("西宮市")},
            {"THTTI", QStringLiteral("ﾖｺﾊﾏ港")},
            {"TON", "10"},
            {"UKING", s.uking},
            {"UHIYO", s.uhiyo},
            {"YCODE", "100001"},
            {"YNAME", QStringLiteral("北星物流")},
            {"SHBAN", "1234"},
            {"SKING", s.sking},
            {"SHIYO", s.shiyo},
            {"BIKO", QString::fromUtf8(s.biko)},
            {"CHKDAY", s.chkday ? QVariant(QString::fromLatin1(s.chkday)) : QVariant()}};
}

}  // namespace

void SlipPrintFixture::SetUp() {
    const SlipSeed slips[] = {
        // Keyed as numbers: 9 before 10 before 100, whatever their text order.
        {"10", "03/05/31", "03/05/31", "0", "03/06/01", 1234567, 1000, 1000000, 500, "確定済"},
        {"9", "03/05/31", "03/06/01", "0", nullptr, 20000, 0, 15000, 0, "未回収"},
        {"100", "03/05/31", "03/05/31", "0", "", 30000, 250, 25000, 0, "空の受領日"},
        // Billed by the unloading date: on the 31st by DDAY, dispatched the day before.
        {"11", "03/05/30", "03/05/31", "1", nullptr, 5000, 0, 4000, 100, "降し日請求"},
        // Dispatched on the 31st, billed on 1 June.
        {"12", "03/05/31", "03/06/01", "1", "03/06/02", -3000, 0, -2000, 0, "値引"},
        {"13", "03/06/01", "03/06/01", "0", nullptr, 7000, 0, 6000, 0, "翌日"},
    };
    for (const SlipSeed& s : slips) seedRows(dm1.database(), QStringLiteral("HITRAN1"), {slip(s)});
    dm1.database().connection().execute(
        QStringLiteral("UPDATE COP_DAT SET CNAME = 'ヴァンティル運輸株式会社' WHERE CODE = '1'"));
    seedRows(dm1.database(), QStringLiteral("HIMAS1"),
             {{{"TENCOD", "02"}, {"TENMEI", QStringLiteral("西支店")}},
              {{"TENCOD", "01"}, {"TENMEI", QStringLiteral("本社営業所")}}});
    registerSlipPrintouts(registry);
}

PrintSelection SlipPrintFixture::day(const char* date, const char* kind) {
    PrintSelection selection;
    selection.date = QString::fromLatin1(date);
    selection.kind = QString::fromUtf8(kind);
    return selection;
}

QStringList SlipPrintFixture::codesOf(const QString& printout, const PrintSelection& selection) {
    const Dataset& rows = registry.find(printout).query({dm1, dm2}, selection);
    QStringList codes;
    const int code = rows.fieldIndex(QStringLiteral("CODE"));
    for (int row = 0; row < rows.recordCount(); ++row) codes << rows.valueAt(row, code).toString();
    return codes;
}

}  // namespace vantir::test
