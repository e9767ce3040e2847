#include <algorithm>
#include <optional>

#include "TempDatabase.h"
#include "platform/db/WholeNumberColumn.h"

namespace vantir::test {
namespace {

struct PlainCase {
    const char* text;
    std::optional<qint64> value;  // nullopt: not plain
};

const PlainCase kPlainCases[] = {
    {"12", 12},
    {" 12  ", 12},
    {"007", 7},
    {"0", 0},
    {"2147483647", 2147483647},
    {"000000000000000000000000000001", 1},
    {"2147483648", std::nullopt},
    {"99999999999999999999999999", std::nullopt},
    {"", std::nullopt},
    {"   ", std::nullopt},
    {"1 2", std::nullopt},
    {"-5", std::nullopt},
    {"+5", std::nullopt},
    {"1.5", std::nullopt},
    {"\t5", std::nullopt},
    {"１２", std::nullopt},
    {"　12", std::nullopt},
    {"A1", std::nullopt},
};

TEST(WholeNumberColumnTest, PlainValuesAreDigitsWithSpacesAroundWithinThe32BitRange) {
    for (const PlainCase& c : kPlainCases) {
        EXPECT_EQ(WholeNumberColumn::plainValue(QString::fromUtf8(c.text)), c.value) << c.text;
    }
}

// The indexes read the values exactly as plainValue does: the greatest plain value, and
// every other value that is not NULL or blank in descending text order.
class WholeNumberColumnIndexTest : public TempDatabase {
  protected:
    void SetUp() override {
        TempDatabase::SetUp();
        run({{"CREATE TABLE HITRAN1 (CODE VARCHAR(6))"}});
        for (const QString& statement : column.indexStatements()) db.execute(statement);
    }
    void insert(const QVariant& code) {
        db.execute(QStringLiteral("INSERT INTO HITRAN1 (CODE) VALUES (:CODE)"),
                   {{QStringLiteral("CODE"), code}});
    }
    QStringList others() {
        QStringList seen;
        column.forEachOther(db, [&](const QString& value) {
            seen << value;
            return true;
        });
        return seen;
    }

    WholeNumberColumn column{QStringLiteral("HITRAN1"), QStringLiteral("CODE")};
};

TEST_F(WholeNumberColumnIndexTest, IndexesAgreeWithPlainValue) {
    EXPECT_EQ(column.greatestPlain(db), std::nullopt);
    EXPECT_TRUE(others().isEmpty());

    insert(QVariant());
    std::optional<qint64> greatest;
    QStringList expectedOthers;
    for (const PlainCase& c : kPlainCases) {
        const QString text = QString::fromUtf8(c.text);
        insert(text);
        if (c.value) greatest = std::max(greatest.value_or(*c.value), *c.value);
        if (!c.value && !text.trimmed().isEmpty()) expectedOthers << text;
    }
    // The engine's descending order of text is by its UTF-8 bytes.
    std::sort(expectedOthers.begin(), expectedOthers.end(),
              [](const QString& a, const QString& b) { return a.toUtf8() > b.toUtf8(); });
    // "\t5" is blank to neither: the tab is not a space.
    EXPECT_EQ(column.greatestPlain(db), greatest);
    EXPECT_EQ(others(), expectedOthers);
}

TEST_F(WholeNumberColumnIndexTest, VisitingStopsWhenAsked) {
    for (const char* code : {"A", "B", "C"}) insert(QString::fromLatin1(code));
    QStringList seen;
    column.forEachOther(db, [&](const QString& value) {
        seen << value;
        return seen.size() < 2;
    });
    EXPECT_EQ(seen, (QStringList{"C", "B"}));
}

}  // namespace
}  // namespace vantir::test
