#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "common/rules/NextNumber.h"
#include "common/rules/NextNumberReference.h"
#include "common/rules/NotAnInteger.h"
#include "platform/dataset/TableDataset.h"
#include "platform/db/TransactionGuard.h"
#include "platform/text/Cp932.h"
#include "support/DataModuleTest.h"
#include "support/QtPrinters.h"
#include "support/Seed.h"

namespace vantir {
inline void PrintTo(const NumberProposal& proposal, std::ostream* out) {
    *out << (proposal.ok() ? proposal.number : proposal.message).toStdString();
}
}  // namespace vantir

namespace vantir::test {
namespace {

// One set of stored numbers and what the next-number rule makes of it.
struct NumberCase {
    const char* name;
    std::vector<std::optional<QByteArray>> stored;  // UTF-8; nullopt is NULL
    const char* next;                               // nullptr: refused
    QString refusedText = {};                       // the text the conversion error shows
};

QString utf8(const char* text) { return QString::fromUtf8(text); }

const std::vector<NumberCase>& numberCases() {
    static const std::vector<NumberCase> cases = {
        {"empty table starts at one", {}, "1"},
        {"only NULL and blank numbers", {std::nullopt, "", "  "}, "1"},
        {"ten sorts before nine as text", {"9", "10"}, "11"},
        {"greatest counts, not the last", {"3", "1000", "57"}, "1001"},
        {"full-width space beside 99", {"　123", "99"}, "124"},
        {"leading zeros", {"007", "0099", "12"}, "100"},
        {"spaces around", {" 12 ", "5"}, "13"},
        {"NULL and blank passed over", {"", "  ", std::nullopt, "4"}, "5"},
        {"six digits", {"999999", "123456"}, "1000000"},
        {"full-width space: only six bytes read", {"　12345"}, "1235"},
        {"full-width space: 40 hex dropped in bytes 2 to 5", {"　1@2"}, "13"},
        {"full-width space: spaces dropped", {"　 12", "3"}, "13"},
        {"full-width space alone", {"　", "8"}, "9"},
        {"full-width space: 40 hex kept in byte 6", {"　123@"}, nullptr, utf8("123@")},
        // Byte 1 dropped, so a full-width space after a digit leaves its first byte behind.
        {"full-width space after the digits",
         {"123　", "5"},
         nullptr,
         cp932::decode(QByteArray("23\x81"))},
        {"letters", {"abc", "5"}, nullptr, utf8("abc")},
        {"first in descending text order", {"abc", "xyz", "5"}, nullptr, utf8("xyz")},
        {"numbers before a non-number still counted", {"　123", "abc", "99"}, nullptr, utf8("abc")},
        {"a sign", {"-5", "3"}, nullptr, utf8("-5")},
        {"beyond the 32-bit range", {"2147483648", "5"}, nullptr, utf8("2147483648")},
        {"the greatest whole number", {"2147483647"}, "2147483648"},
    };
    return cases;
}

const NextNumberKind* const kKinds[] = {&NextNumber::kSlips, &NextNumber::kReceipts,
                                        &NextNumber::kPayments};

class NextNumberTest : public DataModuleTest {
  protected:
    void store(const NextNumberKind& kind, const NumberCase& c) {
        Connection& connection = dm1.database().connection();
        TransactionGuard guard(connection);
        connection.execute(QStringLiteral("DELETE FROM ") + kind.table);
        QList<SeedRow> rows;
        for (const std::optional<QByteArray>& code : c.stored) {
            rows.append(
                {{QStringLiteral("CODE"), code ? QVariant(QString::fromUtf8(*code)) : QVariant()}});
        }
        seedRows(connection, kind.table, rows);
        guard.commit();
    }

    static NumberProposal expected(const NumberCase& c) {
        if (c.next) return NumberProposal::after(QString::fromLatin1(c.next).toLongLong() - 1);
        return NumberProposal::refused(c.refusedText);
    }

    void expectEveryCase() {
        for (const NextNumberKind* kind : kKinds) {
            for (const NumberCase& c : numberCases()) {
                store(*kind, c);
                const NumberProposal literal = literalNextNumber(dm1, *kind);
                EXPECT_EQ(literal, expected(c)) << kind->table.toStdString() << ": " << c.name;
                EXPECT_EQ(NextNumber(dm1, *kind).proposal(), literal)
                    << kind->table.toStdString() << ": " << c.name;
            }
        }
    }
};

TEST_F(NextNumberTest, ProposesWhatReadingEveryStoredNumberGives) { expectEveryCase(); }

// A database made before the number indexes has none: the answer is the same.
TEST_F(NextNumberTest, AFileWithoutTheNumberIndexesGivesTheSame) {
    QStringList drops;
    for (const NextNumberKind* kind : kKinds) {
        drops << QStringLiteral("DROP INDEX %1_CODE_NUMBER").arg(kind->table)
              << QStringLiteral("DROP INDEX %1_CODE_OTHER").arg(kind->table);
    }
    dir.executeOnMain(drops);
    expectEveryCase();
}

TEST_F(NextNumberTest, ErrorNamesTheStoredText) {
    store(NextNumber::kSlips, {"letters", {"abc"}, nullptr});
    EXPECT_EQ(NextNumber(dm1, NextNumber::kSlips).proposal().message,
              QStringLiteral("'abc' は整数ではありません"));
}

// Entering CODE numbers only a slip that has none; a stored number that is no whole number
// refuses with the field CODE and leaves it NULL.
TEST_F(NextNumberTest, EnteringTheNumberFillsOnlyAnEmptyNumber) {
    seedRows(dm1.database(), "HITRAN1", {{{"CODE", "9"}}, {{"CODE", "10"}}});
    TableDataset& slips = dm1.table(QStringLiteral("HITRAN1"));
    const NextNumber numbering(dm1, NextNumber::kSlips);
    slips.open();
    slips.append();
    ASSERT_TRUE(numbering.codeEntered(slips));
    EXPECT_EQ(slips.text(QStringLiteral("CODE")), QStringLiteral("11"));
    ASSERT_TRUE(slips.post());

    ASSERT_TRUE(slips.locate(QStringLiteral("CODE"), QStringLiteral("9")));
    ASSERT_TRUE(numbering.codeEntered(slips));
    EXPECT_EQ(slips.state(), DatasetState::Browse);
    EXPECT_EQ(slips.text(QStringLiteral("CODE")), QStringLiteral("9"));

    seedRows(dm1.database(), "HITRAN1", {{{"CODE", "x1"}}});
    slips.refresh();
    slips.append();
    const Result refused = numbering.codeEntered(slips);
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.message, notAnIntegerMessage(QStringLiteral("x1")));
    EXPECT_EQ(refused.field, QStringLiteral("CODE"));
    EXPECT_TRUE(slips.isNull(QStringLiteral("CODE")));
}

}  // namespace
}  // namespace vantir::test
