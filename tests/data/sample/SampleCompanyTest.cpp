#include <gtest/gtest.h>

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <limits>
#include <stdexcept>

#include "data/Schema.h"
#include "data/sample/SampleCompany.h"
#include "platform/dates/DateText.h"
#include "platform/db/Connection.h"
#include "platform/db/Statement.h"
#include "platform/text/Cp932.h"
#include "support/FixedToday.h"
#include "support/Seed.h"

namespace vantir::test {
namespace {

// A sample company in a file of its own, open for reading.
class SampleFile {
  public:
    explicit SampleFile(const SampleCompanyOptions& options, const QString& name = "VANTIR.mdb")
        : path_(dir_.filePath(name)) {
        const Result created = SampleCompany::createFile(path_, options);
        if (!created) throw std::runtime_error(created.message.toStdString());
        connection_.open(path_, /*create=*/false);
    }
    Connection& connection() { return connection_; }
    const QString& path() const { return path_; }
    int count(const QString& sql) { return connection_.scalar(sql).toInt(); }
    // Every row of every declared table, in stored order.
    QStringList everyRow() {
        QStringList rows;
        for (const TableLayout& layout : Schema::tables()) {
            rows << layout.name;
            rows << rowsOf(connection_, QStringLiteral("SELECT * FROM ") + layout.name);
        }
        return rows;
    }

  private:
    QTemporaryDir dir_;
    QString path_;
    Connection connection_;
};

SampleCompanyOptions sized(int partners, int slips, int months, quint32 seed = 1) {
    SampleCompanyOptions options;
    options.partners = partners;
    options.slips = slips;
    options.months = months;
    options.seed = seed;
    return options;
}

TEST(SampleCompanyTest, TheSameSeedGivesTheSameCompanyAndAnotherSeedAnother) {
    SampleFile first(sized(40, 2000, 4, 7));
    SampleFile again(sized(40, 2000, 4, 7));
    SampleFile other(sized(40, 2000, 4, 8));
    EXPECT_EQ(first.everyRow(), again.everyRow());
    first.connection().close();
    again.connection().close();
    QFile a(first.path());
    QFile b(again.path());
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_TRUE(a.readAll() == b.readAll()) << "the files differ byte for byte";

    for (const char* table : {"HIMAS3", "HITRAN1", "HITRAN2", "HITRAN3"}) {
        const QString all = QStringLiteral("SELECT * FROM ") + QLatin1String(table);
        SampleFile same(sized(40, 2000, 4, 7));
        EXPECT_NE(rowsOf(same.connection(), all), rowsOf(other.connection(), all)) << table;
    }
}

// Every text fits its column in Shift_JIS bytes and every amount is whole yen.
TEST(SampleCompanyTest, EveryValueFitsItsColumn) {
    SampleFile sample(sized(300, 6000, 14, 3));
    for (const TableLayout& layout : Schema::tables()) {
        Statement rows =
            sample.connection().prepare(QStringLiteral("SELECT * FROM ") + layout.name);
        while (rows.step()) {
            for (int i = 0; i < layout.columns.size(); ++i) {
                const ColumnInfo& info = layout.columns[i];
                const QVariant value = rows.value(i);
                if (value.isNull()) continue;
                if (info.type == ColumnType::Text) {
                    EXPECT_TRUE(cp932::canEncode(value.toString()))
                        << value.toString().toStdString();
                    EXPECT_LE(cp932::byteLength(value.toString()), info.width)
                        << layout.name.toStdString() << '.' << info.name.toStdString() << " \""
                        << value.toString().toStdString() << '"';
                } else if (info.type == ColumnType::Int) {
                    EXPECT_EQ(value.typeId(), QMetaType::LongLong)
                        << layout.name.toStdString() << '.' << info.name.toStdString();
                    EXPECT_GE(value.toLongLong(), 0);
                    EXPECT_LE(value.toLongLong(), std::numeric_limits<qint32>::max());
                }
            }
        }
    }
}

// The dispatch slips, receipts and payments as the entry screens would have left them.
TEST(SampleCompanyTest, SlipsFollowTheEntryRules) {
    SampleFile sample(sized(50, 5000, 3, 11));
    Connection& c = sample.connection();
    for (const char* table : {"HITRAN1", "HITRAN2", "HITRAN3"}) {
        const QString from = QStringLiteral(" FROM ") + QLatin1String(table);
        // Billing date: the dispatch date for a normal slip, the unloading date otherwise.
        EXPECT_EQ(sample.count("SELECT COUNT(*)" + from +
                               " WHERE NOT ((SEKBN = '0' AND DDAY = HYMD) OR "
                               "(SEKBN = '1' AND DDAY = THYMD))"),
                  0)
            << table;
        // Numbers 1 to N in decimal without leading zeros, each once.
        QSet<int> numbers;
        for (const QString& code : rowsOf(c, "SELECT CODE" + from)) {
            EXPECT_EQ(QString::number(code.toInt()), code) << table;
            numbers.insert(code.toInt());
        }
        const int rows = sample.count("SELECT COUNT(*)" + from);
        EXPECT_EQ(numbers.size(), rows) << table;
        EXPECT_TRUE(rows == 0 || (numbers.contains(1) && numbers.contains(rows))) << table;
    }
    EXPECT_GT(sample.count("SELECT COUNT(*) FROM HITRAN1 WHERE SEKBN = '1' AND THYMD > HYMD"), 0);
    EXPECT_GT(sample.count("SELECT COUNT(*) FROM HITRAN1 WHERE SEKBN = '0'"), 0);
    EXPECT_EQ(sample.count("SELECT COUNT(*) FROM HITRAN1 WHERE SKING <> YKING + SHIYO"), 0);
    EXPECT_GT(sample.count("SELECT COUNT(*) FROM HITRAN1 WHERE SHIYO > 0"), 0);
    // Each slip's customer and carrier is a partner of that kind, under the slip's name.
    EXPECT_EQ(sample.count("SELECT COUNT(*) FROM HITRAN1 WHERE NOT EXISTS (SELECT * FROM HIMAS3 "
                           "WHERE HIMAS3.KCODE = HITRAN1.KCODE AND HIMAS3.KNAME = HITRAN1.KNAME "
                           "AND HIMAS3.KY_KBN IN ('0', '1'))"),
              0);
    EXPECT_EQ(sample.count("SELECT COUNT(*) FROM HITRAN1 WHERE NOT EXISTS (SELECT * FROM HIMAS3 "
                           "WHERE HIMAS3.YCODE = HITRAN1.YCODE AND HIMAS3.KNAME = HITRAN1.YNAME "
                           "AND HIMAS3.KY_KBN IN ('0', '2'))"),
              0);
    EXPECT_EQ(sample.count("SELECT COUNT(*) FROM HITRAN2 WHERE NOT EXISTS (SELECT * FROM HIMAS3 "
                           "WHERE HIMAS3.KCODE = HITRAN2.KCODE AND HIMAS3.KY_KBN IN ('0', '1'))"),
              0);
    EXPECT_EQ(sample.count("SELECT COUNT(*) FROM HITRAN3 WHERE NOT EXISTS (SELECT * FROM HIMAS3 "
                           "WHERE HIMAS3.YCODE = HITRAN3.YCODE AND HIMAS3.KY_KBN IN ('0', '2'))"),
              0);
    // Staff are those of the staff master.
    EXPECT_EQ(
        sample.count("SELECT COUNT(*) FROM HITRAN1 WHERE NOT EXISTS (SELECT * FROM HIMAS2 "
                     "WHERE HIMAS2.TANCOD = HITRAN1.TANCOD AND HIMAS2.TANMEI = HITRAN1.TANMEI)"),
        0);
}

// Every kind of partner on several closing days, with a site flag and a deposit kind of
// the code lists and a reading in half-width katakana.
TEST(SampleCompanyTest, PartnersCoverEveryKindOnSeveralClosingDays) {
    SampleFile sample(sized(18, 100, 1));
    for (const char* kind : {"0", "1", "2"}) {
        EXPECT_EQ(sample.count(QStringLiteral("SELECT COUNT(*) FROM HIMAS3 WHERE KY_KBN = '%1'")
                                   .arg(QLatin1String(kind))),
                  6)
            << kind;
        EXPECT_EQ(sample.count(QStringLiteral("SELECT COUNT(DISTINCT SIME) FROM HIMAS3 WHERE "
                                              "KY_KBN = '%1'")
                                   .arg(QLatin1String(kind))),
                  6)
            << kind;
    }
    SampleFile larger(sized(400, 0, 1));
    for (const QString& row :
         rowsOf(larger.connection(),
                "SELECT KCODE, SIME, SIMEFLG, YKBUN, KANAMEI, SAIT FROM HIMAS3")) {
        const QStringList f = row.split(QLatin1Char('|'));
        EXPECT_EQ(f[0].size(), 6);
        EXPECT_TRUE(f[1] == QLatin1String("99") || (f[1].toInt() >= 1 && f[1].toInt() <= 28))
            << row.toStdString();
        EXPECT_TRUE(QStringList({"1", "2", "3"}).contains(f[2])) << row.toStdString();
        EXPECT_TRUE(QStringList({"1", "2", "<null>"}).contains(f[3])) << row.toStdString();
        for (const QChar ch : f[4])
            EXPECT_TRUE(ch >= u'\uFF61' && ch <= u'\uFF9F') << row.toStdString();
        EXPECT_GT(f[5].toInt(), 0);
    }
    for (const char* flag : {"1", "2", "3"}) {
        EXPECT_GT(larger.count(QStringLiteral("SELECT COUNT(*) FROM HIMAS3 WHERE SIMEFLG = '%1'")
                                   .arg(QLatin1String(flag))),
                  0);
    }
    EXPECT_GT(larger.count("SELECT COUNT(*) FROM HIMAS3 WHERE YKBUN = '2'"), 0);
}

// The sizes asked for, the months counted back from today, slips on working days only,
// receipts and payments in the same months and not in the future.
TEST(SampleCompanyTest, SizesAndPeriodFollowTheOptions) {
    struct Case {
        const char* today;
        int partners;
        int slips;
        int months;
        const char* firstDay;
        const char* lastDay;
    };
    const Case cases[] = {
        {"2024-03-05", 3, 10, 1, "24/03/01", "24/03/05"},
        {"2024-03-31", 25, 1500, 2, "24/02/01", "24/03/30"},  // the 31st is a Sunday
        {"2026-01-20", 60, 4000, 13, "25/01/01", "26/01/20"},
        {"2026-12-09", 5, 0, 3, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        FixedToday today(c.today);
        SampleFile sample(sized(c.partners, c.slips, c.months));
        const std::string label = std::string(c.today) + " " + std::to_string(c.slips);
        EXPECT_EQ(sample.count("SELECT COUNT(*) FROM HIMAS3"), c.partners) << label;
        EXPECT_EQ(sample.count("SELECT COUNT(*) FROM HITRAN1"), c.slips) << label;
        if (c.firstDay != nullptr) {
            EXPECT_EQ(rowsOf(sample.connection(), "SELECT MIN(HYMD), MAX(HYMD) FROM HITRAN1"),
                      QStringList{QStringLiteral("%1|%2").arg(QLatin1String(c.firstDay),
                                                              QLatin1String(c.lastDay))})
                << label;
        }
        if (c.slips >= 1000) {
            EXPECT_EQ(sample.count("SELECT COUNT(DISTINCT Left(HYMD, 5)) FROM HITRAN1"), c.months);
        }
        const QDate todayDate = QDate::fromString(QLatin1String(c.today), "yyyy-MM-dd");
        for (const QString& day :
             rowsOf(sample.connection(), "SELECT DISTINCT HYMD FROM HITRAN1")) {
            const QDate date = QDate::fromString("20" + day, "yyyy/MM/dd");
            EXPECT_NE(date.dayOfWeek(), Qt::Sunday) << day.toStdString();
            EXPECT_LE(date, todayDate);
        }
        const QString start =
            formatYyMmDd(QDate(todayDate.year(), todayDate.month(), 1).addMonths(1 - c.months));
        const QString end = formatYyMmDd(todayDate);
        for (const char* table : {"HITRAN2", "HITRAN3"}) {
            EXPECT_EQ(sample.count(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE DDAY < '%2' OR "
                                                  "DDAY > '%3'")
                                       .arg(QLatin1String(table), start, end)),
                      0)
                << label << ' ' << table;
        }
    }
}

}  // namespace
}  // namespace vantir::test
