#include "MonthlyReportFixture.h"

#include "platform/dataset/Dataset.h"

namespace vantir::test {

namespace {

struct Slip {
    int code;
    const char* dday;
    const char* kcode;
    const char* kname;
    const char* ycode;
    const char* yname;
    const char* tancod;
    qint64 uking;
    qint64 uhiyo;
    qint64 sking;
    qint64 shiyo;
    qint64 inking = 0;
    qint64 insking = 0;
};

SeedRow slipRow(const Slip& s) {
    return {{"CODE", QString::number(s.code)},
            {"HYMD", QString::fromLatin1(s.dday)},
            {"THYMD", QString::fromLatin1(s.dday)},
            {"SEKBN", "0"},
            {"DDAY", QString::fromLatin1(s.dday)},
            {"KCODE", QString::fromLatin1(s.kcode)},
            {"KNAME", QString::fromUtf8(s.kname)},
            {"YCODE", QString::fromLatin1(s.ycode)},
            {"YNAME", QString::fromUtf8(s.yname)},
            {"TANCOD", QString::fromLatin1(s.tancod)},
            {"TANMEI", s.tancod == QLatin1String("01")   ? QStringLiteral("佐藤")
                       : s.tancod == QLatin1String("02") ? QStringLiteral("鈴木")
                                                         : QStringLiteral("高橋")},
            {"SHBAN", QStringLiteral("12-%1").arg(s.code)},
            {"UKING", s.uking},
            {"UHIYO", s.uhiyo},
            {"SKING", s.sking},
            {"SHIYO", s.shiyo},
            {"INKING", s.inking},
            {"INSKING", s.insking}};
}

SeedRow aggregate(const char* code, const char* name, const char* hymd, qint64 uking,
                  qint64 sking = 0, qint64 uhiyo = 0, qint64 shiyo = 0) {
    return {{"KCODE", QString::fromLatin1(code)},
            {"KNAME", QString::fromUtf8(name)},
            {"YCODE", QString::fromLatin1(code)},
            {"SIME", "99"},
            {"HYMD", QString::fromLatin1(hymd)},
            {"SYMD", QString::fromLatin1(hymd)},
            {"UKING", uking},
            {"SKING", sking},
            {"UHIYO", uhiyo},
            {"SHIYO", shiyo},
            {"INKING", 0},
            {"INSKING", 0},
            {"SHOZEI", 0}};
}

}  // namespace

void MonthlyReportFixture::SetUp() {
    QList<SeedRow> slips;
    for (const Slip& s : {
             Slip{1, "24/05/02", "1", "丸山運送", "2", "東和運輸", "01", 12345, 1000, 10000, 500},
             Slip{2, "24/05/10", "1", "丸山運送", "10", "南海陸送", "01", 0, 2000, 3000, 0, 5000},
             Slip{3, "24/05/15", "10", "北星物流", "2", "東和運輸", "02", 20001, 0, 15000, 300, 0,
                  700},
             Slip{4, "24/05/31", "2", "西日本", "1", "丸山運送", "03", 9999, 0, 8000, 0},
             Slip{5, "24/05/20", "3", "東海商事", "2", "東和運輸", "02", 7000, 0, 5000, 0},
             Slip{6, "24/06/01", "1", "丸山運送", "2", "東和運輸", "01", 99999, 0, 0, 0},
             Slip{7, "24/05/25", "11", "大和工業", "3", "東海商事", "01", 0, 500, 200, 0},
         })
        slips << slipRow(s);
    seedRows(dm1.database(), QStringLiteral("HITRAN1"), slips);
    seedRows(
        dm1.database(), QStringLiteral("HIMAS31"),
        {aggregate("1", "丸山運送", "24/03/31", 77777),
         aggregate("1", "丸山運送", "24/04/30", 100005, 60000, 5000, 1000),
         aggregate("1", "丸山運送", "24/05/31", 55555, 30000, 0, 2000),
         aggregate("1", "丸山運送", "24/06/30", 88888), aggregate("2", "西日本", "24/05/31", 10001),
         aggregate("3", "東海商事", "24/04/30", -500)});
    seedRows(dm1.database(), QStringLiteral("HIMAS32"),
             {aggregate("2", "東和運輸", "24/04/30", 30000, 25000, 0, 100),
              aggregate("2", "東和運輸", "24/05/31", 20001, 15300)});
    registerMonthlyReportPrintouts(registry);
}

PrintSelection MonthlyReportFixture::may(const char* from, const char* to) {
    PrintSelection selection;
    selection.sime = QStringLiteral("99");
    selection.month = QStringLiteral("24/05");
    selection.from = QString::fromLatin1(from);
    selection.to = QString::fromLatin1(to);
    return selection;
}

QStringList MonthlyReportFixture::listed(const QString& query, const QStringList& columns) {
    Dataset& rows = dm2.view(query);
    QStringList printed;
    for (rows.first(); !rows.eof(); rows.next()) {
        QStringList values;
        for (const QString& column : columns) values << rows.text(column);
        printed << values.join(u'|');
    }
    return printed;
}

}  // namespace vantir::test
