#include "monthly/rules/LedgerReport.h"

#include "common/printing/PrintError.h"
#include "monthly/rules/LedgerSide.h"
#include "monthly/rules/MonthlyReportHeader.h"

namespace vantir {

const LedgerReportSide& LedgerReportSide::sales() {
    static const LedgerReportSide side{LedgerSide::sales(),
                                       QStringLiteral("売上元帳"),
                                       QStringLiteral("Q_UriBKM"),
                                       QStringLiteral("HWRK2"),
                                       QStringLiteral("KCODE"),
                                       QStringLiteral("KNAME"),
                                       QStringLiteral("売　上　元　帳"),
                                       QStringLiteral("UKING"),
                                       QStringLiteral("UHIYO"),
                                       QStringLiteral("SKING"),
                                       QStringLiteral("売上金額"),
                                       QStringLiteral("受取金額"),
                                       QStringLiteral("YNAME"),
                                       QStringLiteral("傭車先")};
    return side;
}

const LedgerReportSide& LedgerReportSide::purchases() {
    static const LedgerReportSide side{
        LedgerSide::purchases(),          QStringLiteral("仕入元帳"), QStringLiteral("Q_SirBKM"),
        QStringLiteral("HWRK3"),          QStringLiteral("YCODE"),    QStringLiteral("YNAME"),
        QStringLiteral("仕　入　元　帳"), QStringLiteral("SKING"),    QStringLiteral("SHIYO"),
        QStringLiteral("UKING"),          QStringLiteral("仕入金額"), QStringLiteral("支払金額"),
        QStringLiteral("KNAME"),          QStringLiteral("得意先")};
    return side;
}

QString LedgerReport::heading() const {
    return monthly ? side->heading + QStringLiteral("　（月次）") : side->heading;
}

const QList<LedgerReport>& LedgerReport::all() {
    static const QList<LedgerReport> reports = [] {
        const LedgerReportSide* sales = &LedgerReportSide::sales();
        const LedgerReportSide* purchases = &LedgerReportSide::purchases();
        return QList<LedgerReport>{
            {QStringLiteral("QR_UriBKM"), sales, true, false, true},
            {QStringLiteral("QR_UriBK"), sales, false, false, false},
            {QStringLiteral("QR_UriBKS"), sales, false, true, true},
            {QStringLiteral("QR_SirBKM"), purchases, true, false, true},
            {QStringLiteral("QR_SirBK"), purchases, false, false, false},
            {QStringLiteral("QR_SirBKS"), purchases, false, true, true},
        };
    }();
    return reports;
}

const LedgerReport* LedgerReport::find(const QString& name) {
    for (const LedgerReport& report : all())
        if (report.name == name) return &report;
    return nullptr;
}

ClosingPeriod LedgerReport::slipPeriod(const ClosingPeriod& period, const QString& choice) const {
    if (!subPeriod || choice.isEmpty()) return period;
    static const QStringList kChoices = {QStringLiteral("0"), QStringLiteral("1"),
                                         QStringLiteral("2"), QStringLiteral("3")};
    if (!kChoices.contains(choice))
        throw PrintError(QStringLiteral("期間は 0 から 3 を入力して下さい。"));
    return monthlyReportHeader::subPeriod(period, choice);
}

}  // namespace vantir
