#include "billing/rules/BillingPrintouts.h"

#include "billing/rules/QR_Seikyu.h"
#include "billing/rules/QR_SeikyuH.h"
#include "common/printing/PrintoutRegistry.h"
#include "data/DataModule1.h"
#include "platform/dataset/Dataset.h"

namespace vantir {

namespace {

// The sheet of the print being laid out: read by the printout's query, which runs
// before the layout reads the form's values.
using SheetHolder = std::shared_ptr<InvoiceSheet>;

Dataset& reopen(Dataset& rows) {
    rows.close();
    rows.open();
    return rows;
}

Printout invoicePrintout(const QString& name, const char* rows, PageMargins margins,
                         ReportDefinition (*form)(const PageSetup&,
                                                  std::shared_ptr<const InvoiceSheet>)) {
    const SheetHolder sheet = std::make_shared<InvoiceSheet>();
    const QString view = QString::fromLatin1(rows);
    return {name,
            PageSetup::a4(PageOrientation::Portrait, margins),
            {},
            {},
            [sheet, view](const PrintSources& sources, const PrintSelection&) -> Dataset& {
                *sheet = InvoiceSheet::read(sources.dm1);
                return reopen(sources.dm1.view(view));
            },
            [sheet, form](const PageSetup& paper, const PrintSelection&) {
                return form(paper, sheet);
            }};
}

}  // namespace

void registerBillingPrintouts(PrintoutRegistry& registry) {
    registry.addPair(
        invoicePrintout(QStringLiteral("QR_Seikyu"), "QWK_Seikyu", PageMargins::all(10), QR_Seikyu),
        {.top = 10, .bottom = 10, .left = 15, .right = 9});
    registry.addPair(invoicePrintout(QStringLiteral("QR_SeikyuH"), "WK_SEK_HED",
                                     {.top = 5, .bottom = 10, .left = 10, .right = 10}, QR_SeikyuH),
                     {.top = 5, .bottom = 10, .left = 15, .right = 9});
}

}  // namespace vantir
