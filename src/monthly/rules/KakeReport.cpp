#include "monthly/rules/KakeReport.h"

namespace vantir {

const KakeSide& KakeSide::receivables() {
    static const KakeSide side{QStringLiteral("HWRK1"),    QStringLiteral("Q_HWRK1"),
                               QStringLiteral("KCODE"),    QStringLiteral("KNAME"),
                               QStringLiteral("UKING"),    QStringLiteral("UHIYO"),
                               QStringLiteral("得ｺｰﾄﾞ"),   QStringLiteral("得意先名"),
                               QStringLiteral("配車運賃"), false};
    return side;
}

const KakeSide& KakeSide::payables() {
    static const KakeSide side{QStringLiteral("HWRK2"),  QStringLiteral("Q_HWRK2"),
                               QStringLiteral("YCODE"),  QStringLiteral("YNAME"),
                               QStringLiteral("YKING"),  QStringLiteral("SHIYO"),
                               QStringLiteral("傭ｺｰﾄﾞ"), QStringLiteral("傭車先名"),
                               QStringLiteral("傭車料"), true};
    return side;
}

const QList<KakeReport>& KakeReport::all() {
    static const QList<KakeReport> reports{
        {QStringLiteral("QR_KakeUri"), &KakeSide::receivables(), false,
         QStringLiteral("[ 売掛金一覧表　]")},
        {QStringLiteral("QR_ChkUri"), &KakeSide::receivables(), true,
         QStringLiteral("[ 売掛金確認書　]")},
        {QStringLiteral("QR_KakeSir"), &KakeSide::payables(), false,
         QStringLiteral("[ 買掛金一覧表　]")},
        {QStringLiteral("QR_ChkSir"), &KakeSide::payables(), true,
         QStringLiteral("[ 買掛金確認書　]")},
    };
    return reports;
}

const KakeReport* KakeReport::find(const QString& name) {
    for (const KakeReport& report : all())
        if (report.name == name) return &report;
    return nullptr;
}

}  // namespace vantir
