#include "ledgers/rules/QR_Hari_Lst.h"

#include <utility>

#include "common/printing/PrintedDates.h"
#include "data/DataModule2.h"
#include "ledgers/rules/SchedulePage.h"
#include "ledgers/rules/ScheduleWorkTables.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/report/ReportColumnTable.h"
#include "platform/report/ReportDefinition.h"

namespace vantir {

namespace {

Dataset& payees(const PrintSources& sources, const PrintSelection& selection) {
    const ScheduleWorkTables tables(sources, selection.month);
    tables.expectedPayments();
    QueryDataset& rows = sources.dm2.query(QStringLiteral("Q_HWRK32"));
    // In carrier order, each carrier's payments by date: the list is read against the
    // bank's transfer forms.
    rows.setSql({QStringLiteral("SELECT HWRK32.KCODE,HWRK32.YCODE,HWRK32.KNAME,HWRK32.SKING,"),
                 QStringLiteral("HWRK32.SHIYO,HWRK32.INSKING,HWRK32.SHYMD,"),
                 QStringLiteral("HIMAS3.KZIP, HIMAS3.KADD1, HIMAS3.KADD2,"),
                 QStringLiteral("HIMAS3.KTEL, HIMAS3.BANK, HIMAS3.SITEN,"),
                 QStringLiteral("HIMAS3.YKBUN, HIMAS3.KOZA"),
                 QStringLiteral("FROM HWRK32 INNER JOIN HIMAS3"),
                 QStringLiteral("ON HWRK32.YCODE = HIMAS3.YCODE"),
                 QStringLiteral("ORDER BY HWRK32.YCODE,HWRK32.SHYMD")});
    rows.open();
    return rows;
}

// YKBUN "1" is an ordinary account; every other kind is printed as a current account.
QVariant accountKind(const ReportContext& row) {
    return row.text(QStringLiteral("YKBUN")) == u"1" ? QStringLiteral("普通")
                                                     : QStringLiteral("当座");
}

ReportDefinition define(const PageSetup& paper, const PrintSelection&) {
    ReportDefinition report(QStringLiteral("支払先リスト"), paper);
    const bool continuous = paper.isContinuousForm();
    // The widths fill A4 landscape; the continuous form, without the address, spreads the
    // rest over its body.
    constexpr double kAddress = 60;
    constexpr double kA4LandscapeBody = 277;
    const double drawn = continuous ? kA4LandscapeBody - kAddress : kA4LandscapeBody;
    const double across = paper.bodyRect().width() / drawn;
    double x = 0;
    const auto next = [&x](double width) { return std::exchange(x, x + width); };
    ReportColumnTable columns(across);
    columns.text(QStringLiteral("コード"), QStringLiteral("YCODE"), next(14), 14)
        .text(QStringLiteral("得 意 先 名"), QStringLiteral("KNAME"), next(50), 50)
        .text(QStringLiteral("電話番号"), QStringLiteral("KTEL"), next(26), 26)
        .expression(QStringLiteral("支払日"), monthAndDay(QStringLiteral("SHYMD")), next(12), 12)
        .text(QStringLiteral("銀行名"), QStringLiteral("BANK"), next(30), 30)
        .text(QStringLiteral("支店名"), QStringLiteral("SITEN"), next(26), 26)
        .expression(continuous ? QStringLiteral("種別") : QStringLiteral("口座種別"), accountKind,
                    next(14), 14)
        .text(QStringLiteral("口座番号"), QStringLiteral("KOZA"), next(18), 18);
    if (!continuous)
        columns.text(QStringLiteral("住所"), QStringLiteral("KADD1"), next(kAddress), kAddress);
    columns.amount(QStringLiteral("合  計"), QStringLiteral("TOTAL"), schedulePage::paymentTotal,
                   next(27), 27);

    schedulePage::addListBands(report, columns);
    return report;
}

}  // namespace

Printout QR_Hari_Lst() {
    return {QStringLiteral("QR_Hari_Lst"),
            PageSetup::a4(PageOrientation::Landscape, PageMargins::all(10)),
            {{PrintOption::Month, /*required=*/true}},
            {},
            payees,
            define};
}

}  // namespace vantir
