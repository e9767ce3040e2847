#include "monthly/rules/MonthlyReportShape.h"

#include <QList>

namespace vantir {

namespace {

const QString kCustomers = QStringLiteral("得意ｺｰﾄﾞ");
const QString kCarriers = QStringLiteral("傭車先ｺｰﾄﾞ");
const QString kPeriod = QStringLiteral("期間");
const QString kPeriodHint = QStringLiteral("1>前半 2>中半 3>後半 0>全体");

MonthlyReportShape shape(const char* report, const QString& rangeLabel,
                         const char* window = nullptr) {
    const QString name = QLatin1String(report);
    return {name,
            rangeLabel,
            QStringLiteral("0"),
            QStringLiteral("999999"),
            {},
            {},
            {},
            window ? QString(QLatin1String(window)) : name};
}

MonthlyReportShape withChoice(MonthlyReportShape shape, const QString& label, const QString& hint,
                              const QString& opening) {
    shape.choiceLabel = label;
    shape.choiceHint = hint;
    shape.choice = opening;
    return shape;
}

const QList<MonthlyReportShape>& shapes() {
    static const QList<MonthlyReportShape> all = [] {
        MonthlyReportShape staff = shape("QR_Eki_Tan", QStringLiteral("担当者ｺｰﾄﾞ"));
        staff.to = QStringLiteral("99");
        const QString partners = QStringLiteral("取引先ｺｰﾄﾞ");
        const QString flag = QStringLiteral("締ﾌﾗｸﾞ");
        const QString flagHint = QStringLiteral("1>自社締日 2>相手先締日");
        return QList<MonthlyReportShape>{
            shape("QR_TK_SM", kCustomers),
            shape("QR_YS_SM", kCarriers),
            shape("QR_UriBKM", kCustomers),
            shape("QR_SirBKM", kCarriers),
            shape("QR_Rieki", kCustomers),
            staff,
            shape("QR_Uri_Nen", kCustomers),
            shape("QR_Sir_Nen", kCarriers),
            shape("QR_IN_SM", partners),
            shape("QR_INS_SM", partners),
            shape("QR_UriBK", kCustomers, "QR_UriBKM"),
            shape("QR_SirBK", kCarriers, "QR_SirBKM"),
            withChoice(shape("QR_UriBKS", kCustomers, "QR_UriBKM"), kPeriod, kPeriodHint,
                       QStringLiteral("0")),
            withChoice(shape("QR_SirBKS", kCarriers, "QR_SirBKM"), kPeriod, kPeriodHint,
                       QStringLiteral("0")),
            shape("QR_KakeUri", kCustomers),
            withChoice(shape("QR_KakeSir", kCarriers), flag, flagHint, QStringLiteral("1")),
            shape("QR_ChkUri", kCustomers),
            withChoice(shape("QR_ChkSir", kCarriers), flag, flagHint, QStringLiteral("1")),
        };
    }();
    return all;
}

}  // namespace

const MonthlyReportShape* MonthlyReportShape::find(const QString& report) {
    for (const MonthlyReportShape& shape : shapes())
        if (shape.report == report) return &shape;
    return nullptr;
}

QStringList MonthlyReportShape::reports() {
    QStringList names;
    for (const MonthlyReportShape& shape : shapes()) names << shape.report;
    return names;
}

}  // namespace vantir
