#include "slips/rules/SlipPrintouts.h"

#include "common/printing/PrintoutRegistry.h"
#include "data/DataModule1.h"
#include "platform/dataset/QueryDataset.h"
#include "slips/rules/DeliveryReceipts.h"
#include "slips/rules/DispatchCheckList.h"
#include "slips/rules/SlipPrintQuery.h"

namespace vantir {

namespace {

const QList<PrintoutOption> kDayOptions{{PrintOption::Date, /*required=*/true},
                                        {PrintOption::Kind, /*required=*/true}};

// Every slip printout reads the shared query Q_HIT1QR of the main database.
Dataset& openSlipQuery(const PrintSources& sources, const QStringList& sql) {
    QueryDataset& slips = sources.dm1.query(QStringLiteral("Q_HIT1QR"));
    slips.setSql(sql);
    slips.open();
    return slips;
}

Printout checkList(const char* name, const char16_t* title, SlipPrintQuery::Receipt receipt) {
    const QString heading = QString::fromUtf16(title);
    return {
        QLatin1String(name),
        PageSetup::a4(PageOrientation::Landscape, {.top = 6, .bottom = 10, .left = 8, .right = 8}),
        kDayOptions,
        SlipPrintQuery::kinds(),
        [receipt](const PrintSources& sources, const PrintSelection& selection) -> Dataset& {
            return openSlipQuery(sources, SlipPrintQuery::slips(selection, receipt));
        },
        [heading](const PageSetup& paper, const PrintSelection& selection) {
            return DispatchCheckList::define(heading, paper, selection);
        }};
}

}  // namespace

void registerSlipPrintouts(PrintoutRegistry& registry) {
    const PageMargins listOnContinuousForm{.top = 6, .bottom = 10, .left = 14, .right = 5};
    registry.addPair(checkList("QR_Vantir", u"配車入力確認表", SlipPrintQuery::Receipt::Any),
                     listOnContinuousForm);
    registry.addPair(checkList("QR_Kakutei", u"確定一覧表", SlipPrintQuery::Receipt::Confirmed),
                     listOnContinuousForm);
    registry.addPair(checkList("QR_Mitei", u"未定一覧表", SlipPrintQuery::Receipt::Open),
                     listOnContinuousForm);
    registry.addPair({QStringLiteral("QR_Jyuryo"),
                      PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)), kDayOptions,
                      SlipPrintQuery::kinds(),
                      [](const PrintSources& sources, const PrintSelection& selection) -> Dataset& {
                          return openSlipQuery(sources, SlipPrintQuery::receipts(selection));
                      },
                      DeliveryReceipts::define},
                     {.top = 5, .bottom = 8, .left = 15, .right = 9});
    registry.add({QStringLiteral("QR_JyuryoW"),
                  PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)),
                  {},
                  {},
                  [](const PrintSources& sources, const PrintSelection&) -> Dataset& {
                      return openSlipQuery(sources, SlipPrintQuery::names());
                  },
                  DeliveryReceipts::defineBlankSheet});
}

}  // namespace vantir
