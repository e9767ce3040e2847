#include "masters/rules/AddressPrint.h"

#include "common/printing/PrintError.h"
#include "common/printing/ReportLayoutSwitches.h"
#include "data/DataModule1.h"
#include "masters/rules/PartnerRangeQuery.h"
#include "platform/dataset/QueryDataset.h"

namespace vantir {

namespace {

const QString& checkedMode(const QString& mode) {
    if (mode == QLatin1String("QR_Address") || mode == QLatin1String("QR_Add_LBL")) return mode;
    throw PrintError(QStringLiteral("住所録印刷 does not print %1").arg(mode));
}

}  // namespace

AddressPrint::AddressPrint(const QString& mode, const AppState& state,
                           const PrintoutRegistry& registry, PrintSources sources)
    : mode_(checkedMode(mode)), state_(state), runner_(registry, sources), sources_(sources) {}

QString AddressPrint::printout() const { return chosenLayout(mode_, state_); }

PageModel AddressPrint::layOut(const QString& from, const QString& to) const {
    PrintSelection selection;
    selection.from = from;
    selection.to = to;
    QueryDataset& partners = sources_.dm1.query(PartnerRangeQuery::kView);
    const auto giveBack = [&partners] {
        partners.close();
        partners.setSql(PartnerRangeQuery::allInCodeOrder());
    };
    try {
        PageModel model = runner_.layOut(printout(), selection);
        giveBack();
        return model;
    } catch (...) {
        giveBack();
        throw;
    }
}

}  // namespace vantir
