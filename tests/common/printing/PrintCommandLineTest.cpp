#include <gtest/gtest.h>

#include "common/printing/PrintCommandLine.h"
#include "common/printing/PrintError.h"
#include "common/printing/PrintoutRegistry.h"
#include "support/QtPrinters.h"

namespace vantir::test {
namespace {

// A printout taking every selection, the date required, and one taking only the date.
PrintoutRegistry registry() {
    const PageSetup a4 = PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10));
    PrintoutRegistry printouts;
    printouts.add({QStringLiteral("QR_All"),
                   a4,
                   {{PrintOption::Date, /*required=*/true},
                    {PrintOption::Kind},
                    {PrintOption::Sime},
                    {PrintOption::Month},
                    {PrintOption::CodeRange},
                    {PrintOption::DateRange},
                    {PrintOption::Partner}},
                   {QStringLiteral("HYMD"), QStringLiteral("THYMD"), QStringLiteral("DDAY")},
                   {},
                   {}});
    printouts.add({QStringLiteral("QR_Day"), a4, {{PrintOption::Date}}, {}, {}, {}});
    return printouts;
}

// The selection in one line: date|kind|sime|month|from|to|since|until|partner.
QString joined(const PrintSelection& s) {
    return QStringList{s.date, s.kind, s.sime, s.month, s.from, s.to, s.since, s.until, s.partner}
        .join(QLatin1Char('|'));
}

struct OptionCase {
    const char* name;
    QStringList args;      // after the printout's name and before the output
    const char* expected;  // the selection joined, or the message
};

void PrintTo(const OptionCase& c, std::ostream* os) { *os << c.name; }

class PrintOptionsTest : public ::testing::TestWithParam<OptionCase> {};

TEST_P(PrintOptionsTest, TakesTheValuesOrSaysWhatIsWrong) {
    const OptionCase& c = GetParam();
    const PrintoutRegistry printouts = registry();
    const QStringList args =
        c.args + QStringList{QStringLiteral("--text"), QStringLiteral("out.txt")};
    QString outcome;
    try {
        const PrintRequest request = PrintCommandLine::parse(printouts, args);
        outcome = joined(request.selection);
    } catch (const PrintError& error) {
        outcome = error.message();
    }
    EXPECT_EQ(outcome, QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintOptionsTest,
    ::testing::Values(
        OptionCase{"EveryOption",
                   {"QR_All", "--date", "26/11/30", "--kind", "DDAY", "--sime", "20", "--month",
                    "26/11", "--from", "000001", "--to", "999999", "--since", "26/11/01", "--until",
                    "26/11/30", "--partner", "000123"},
                   "26/11/30|DDAY|20|26/11|000001|999999|26/11/01|26/11/30|000123"},
        OptionCase{"OnlyTheRequired", {"QR_All", "--date", "03/05/31"}, "03/05/31||||||||"},
        OptionCase{"MonthEndClosingDay",
                   {"QR_All", "--date", "26/11/30", "--sime", "99"},
                   "26/11/30||99||||||"},
        // Dates of a range compare as dates: 99/12/31 is 1999, 00/01/01 is 2000.
        OptionCase{"RangeOverTheCentury",
                   {"QR_All", "--date", "26/11/30", "--since", "99/12/31", "--until", "00/01/01"},
                   "26/11/30||||||99/12/31|00/01/01|"},
        OptionCase{
            "RequiredMissing", {"QR_All", "--month", "26/11"}, "QR_All needs --date YY/MM/DD"},
        OptionCase{"ValueMissingAtTheEnd", {"QR_All", "--date"}, "--date needs a value YY/MM/DD"},
        OptionCase{"ValueMissingBeforeAnOption",
                   {"QR_All", "--partner", "--date", "26/11/30"},
                   "--partner needs a value CODE"},
        OptionCase{"NoSuchDay",
                   {"QR_All", "--date", "26/02/29"},
                   "--date 26/02/29 is not a date YY/MM/DD"},
        OptionCase{"DateNotZeroFilled",
                   {"QR_All", "--date", "26/1/5"},
                   "--date 26/1/5 is not a date YY/MM/DD"},
        OptionCase{"NoSuchMonth",
                   {"QR_All", "--date", "26/11/30", "--month", "26/13"},
                   "--month 26/13 is not a month YY/MM"},
        OptionCase{"ClosingDayAfterThe28th",
                   {"QR_All", "--date", "26/11/30", "--sime", "30"},
                   "--sime 30 is not a closing day DD (01 to 28, or 99 for the month end)"},
        OptionCase{"ClosingDayOneDigit",
                   {"QR_All", "--date", "26/11/30", "--sime", "5"},
                   "--sime 5 is not a closing day DD (01 to 28, or 99 for the month end)"},
        OptionCase{"UnknownKind",
                   {"QR_All", "--date", "26/11/30", "--kind", "hymd"},
                   "--kind hymd is not one of HYMD, THYMD, DDAY"},
        OptionCase{"HalfACodeRange",
                   {"QR_All", "--date", "26/11/30", "--to", "000100"},
                   "--from and --to go together"},
        OptionCase{"CodeRangeBackwards",
                   {"QR_All", "--date", "26/11/30", "--from", "000900", "--to", "000100"},
                   "--from 000900 is after --to 000100"},
        OptionCase{"HalfADateRange",
                   {"QR_All", "--date", "26/11/30", "--since", "26/11/01"},
                   "--since and --until go together"},
        OptionCase{"DateRangeBackwards",
                   {"QR_All", "--date", "26/11/30", "--since", "26/12/01", "--until", "26/11/30"},
                   "--since 26/12/01 is after --until 26/11/30"},
        OptionCase{"GivenTwice",
                   {"QR_All", "--date", "26/11/30", "--date", "26/12/01"},
                   "--date is given twice"},
        OptionCase{"NotTakenByThisPrintout",
                   {"QR_Day", "--month", "26/11"},
                   "QR_Day does not take --month; it takes: [--date YY/MM/DD]"},
        OptionCase{"UnknownOption", {"QR_All", "--dates", "26/11/30"}, "unknown option --dates"},
        OptionCase{"StrayArgument", {"QR_All", "26/11/30"}, "unexpected argument 26/11/30"},
        OptionCase{"UnknownPrintout", {"QR_Nyukin3"}, "unknown printout QR_Nyukin3"},
        OptionCase{"NoPrintout",
                   {"--date", "26/11/30"},
                   "name the printout: print NAME [options] (--pdf FILE | --text FILE)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrintCommandLineTest, TheOutputIsOnePdfOrOneTextFile) {
    const PrintoutRegistry printouts = registry();
    const PrintRequest pdf =
        PrintCommandLine::parse(printouts, {"QR_Day", "--pdf", "一覧.pdf", "--date", "26/11/30"});
    EXPECT_EQ(pdf.printout, QStringLiteral("QR_Day"));
    EXPECT_EQ(pdf.output, PrintRequest::Output::Pdf);
    EXPECT_EQ(pdf.path, QStringLiteral("一覧.pdf"));
    EXPECT_EQ(pdf.selection.date, QStringLiteral("26/11/30"));
    const PrintRequest text = PrintCommandLine::parse(printouts, {"QR_Day", "--text", "a.txt"});
    EXPECT_EQ(text.output, PrintRequest::Output::Text);
    EXPECT_EQ(text.path, QStringLiteral("a.txt"));

    struct Case {
        QStringList args;
        const char* message;
    };
    for (const Case& c :
         {Case{{"QR_Day"}, "give one of --pdf FILE and --text FILE"},
          Case{{"QR_Day", "--pdf", "a.pdf", "--text", "a.txt"},
               "give one of --pdf FILE and --text FILE"},
          Case{{"QR_Day", "--pdf", "a.pdf", "--pdf", "b.pdf"},
               "give one of --pdf FILE and --text FILE"},
          Case{{"QR_Day", "--pdf"}, "--pdf needs a value FILE"},
          Case{{"QR_Day", "--text", "--date", "26/11/30"}, "--text needs a value FILE"}}) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        try {
            PrintCommandLine::parse(printouts, c.args);
            ADD_FAILURE() << "no error";
        } catch (const PrintError& error) {
            EXPECT_EQ(error.message(), QString::fromUtf8(c.message));
        }
    }
}

TEST(PrintCommandLineTest, TheUsageNamesTheOptionsWithTheOptionalInBrackets) {
    EXPECT_EQ(PrintCommandLine::usage(registry().find(QStringLiteral("QR_All"))),
              QStringLiteral("--date YY/MM/DD [--kind HYMD|THYMD|DDAY] [--sime DD] [--month YY/MM] "
                             "[--from CODE --to CODE] [--since YY/MM/DD --until YY/MM/DD] "
                             "[--partner CODE]"));
}

}  // namespace
}  // namespace vantir::test
