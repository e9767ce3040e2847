#include "slips/rules/PrintRange.h"

#include "common/printing/PrintError.h"
#include "common/printing/ReportLayoutSwitches.h"
#include "data/DataModule1.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/dates/DateText.h"
#include "slips/rules/SlipPrintQuery.h"

namespace vantir {

namespace {

struct Heading {
    const char* reportName;
    const char16_t* heading;
};

const Heading kHeadings[] = {
    {"QR_Vantir", u"配車表印刷設定"},
    {"QR_Jyuryo", u"配車表印刷設定"},
    {"QR_Kakutei", u"確定一覧印刷設定"},
    {"QR_Mitei", u"未定一覧印刷設定"},
};

QString headingOf(const QString& reportName) {
    for (const Heading& h : kHeadings)
        if (reportName == QLatin1String(h.reportName)) return QString::fromUtf16(h.heading);
    throw PrintError(QStringLiteral("印刷範囲選択 does not print %1").arg(reportName));
}

}  // namespace

PrintRange::PrintRange(const QString& reportName, const AppState& state,
                       const PrintoutRegistry& registry, PrintSources sources)
    : reportName_(reportName),
      heading_(headingOf(reportName)),
      state_(state),
      runner_(registry, sources),
      sources_(sources) {}

const QStringList& PrintRange::kinds() { return SlipPrintQuery::kinds(); }

QString PrintRange::printout() const { return chosenLayout(reportName_, state_); }

PrintSelection PrintRange::selection(const QDate& date, const QString& kind) {
    PrintSelection selection;
    selection.date = formatYyMmDd(date);
    selection.kind = kind;
    return selection;
}

PageModel PrintRange::layOut(const QDate& date, const QString& kind) const {
    return runner_.layOut(printout(), selection(date, kind));
}

void PrintRange::close() { sources_.dm1.query(QStringLiteral("Q_HIT1QR")).close(); }

}  // namespace vantir
