#include "masters/rules/AddressLabels.h"

namespace vantir {

namespace {

constexpr double kLine = 5.0;
constexpr double kLeft = 5.0;  // the text keeps clear of the label's edge
constexpr double kIndent = 12.0;

QVariant addressee(const ReportContext& row) {
    return QVariant(row.text(QStringLiteral("KNAME")) + QStringLiteral(" 御中"));
}

}  // namespace

ReportDefinition AddressLabels::define(const PageSetup& paper, const PrintSelection&) {
    ReportDefinition report(QStringLiteral("取引先ラベル印刷"), paper);
    const double text = kWidth - 2 * kLeft;
    report.setDetail(kHeight)
        .setColumns(kAcross, kWidth)
        .add(ReportElement::column(QStringLiteral("KZIP"), kLeft, 4, text, kLine))
        .add(ReportElement::column(QStringLiteral("KADD1"), kLeft, 11, text, kLine))
        .add(ReportElement::column(QStringLiteral("KADD2"), kLeft, 17, text, kLine))
        .add(ReportElement::expression(addressee, kIndent, 27, kWidth - kIndent - kLeft, 7)
                 .pointSize(12));
    return report;
}

}  // namespace vantir
