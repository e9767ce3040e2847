#include "masters/rules/MasterPrintouts.h"

#include "common/printing/PrintoutRegistry.h"
#include "data/DataModule1.h"
#include "masters/rules/AddressBook.h"
#include "masters/rules/AddressLabels.h"
#include "masters/rules/PartnerRangeQuery.h"
#include "platform/dataset/QueryDataset.h"

namespace vantir {

namespace {

const QList<PrintoutOption> kCodeRange{{PrintOption::CodeRange, /*required=*/true}};

Dataset& openPartnerRange(const PrintSources& sources, const PrintSelection& selection) {
    QueryDataset& partners = sources.dm1.query(PartnerRangeQuery::kView);
    partners.setSql(PartnerRangeQuery::lines(selection.from, selection.to));
    partners.open();
    return partners;
}

}  // namespace

void registerMasterPrintouts(PrintoutRegistry& registry) {
    registry.addPair({QStringLiteral("QR_Address"),
                      PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)),
                      kCodeRange,
                      {},
                      openPartnerRange,
                      AddressBook::define},
                     {.top = 10, .bottom = 10, .left = 15, .right = 10});
    registry.addPair(
        {QStringLiteral("QR_Add_LBL"),
         PageSetup::a4(PageOrientation::Portrait, {.top = 7, .bottom = 7, .left = 2, .right = 2}),
         kCodeRange,
         {},
         openPartnerRange,
         AddressLabels::define},
        {.top = 7, .bottom = 7, .left = 15, .right = 2});
}

}  // namespace vantir
