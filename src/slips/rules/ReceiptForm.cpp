#include "slips/rules/ReceiptForm.h"

#include "platform/report/ReportBand.h"

namespace vantir {

namespace {

constexpr double kLine = 5.0;
constexpr double kInset = 3.0;   // from the box's edge to the texts
constexpr double kLabel = 13.0;  // the width of a label such as "輸送区間"

}  // namespace

void ReceiptForm::add(ReportBand& band, QPointF at, QSizeF size, Content content) {
    const double x = at.x() + kInset;
    const double y = at.y();
    const double width = size.width() - 2 * kInset;
    const double value = x + kLabel;  // where the values after the labels begin
    const double valueWidth = width - kLabel;
    const double numberAt = x + width * 0.62;
    const bool slip = content == Content::Slip;
    const auto element = [&band](ReportElement e) { band.add(std::move(e)); };

    element(ReportElement::box(at.x() + 1, y + 1, size.width() - 2, size.height() - 2));
    element(ReportElement::text(QStringLiteral("**  受  領  書  **"), x, y + 3, width * 0.62, 6)
                .bold()
                .pointSize(10));
    if (slip) {
        element(ReportElement::expression(
                    [](const ReportContext& r) {
                        return QVariant(QStringLiteral("No  ") + r.text(QStringLiteral("CODE")));
                    },
                    numberAt, y + 3, x + width - numberAt, 6)
                    .align(Qt::AlignRight));
        element(ReportElement::expression(
                    [](const ReportContext& r) {
                        return QVariant(r.text(QStringLiteral("KNAME")) + QStringLiteral("  御中"));
                    },
                    x, y + 10, width, 6)
                    .underline());
    } else {
        element(ReportElement::text(QStringLiteral("No"), numberAt, y + 3, 10, 6));
        element(ReportElement::text(QStringLiteral("御中"), numberAt, y + 10, 12, 6));
        element(ReportElement::line(x, y + 16, x + width, y + 16));
    }
    element(ReportElement::text(QStringLiteral("月　 日"), x, y + 17, kLabel, kLine));
    element(ReportElement::text(QStringLiteral("輸送区間"), x, y + 23, kLabel, kLine));
    element(ReportElement::text(QStringLiteral("車　番"), x, y + 34, kLabel, kLine));
    const double noteAt = value + valueWidth * 0.35;
    element(ReportElement::text(QStringLiteral("適　用"), noteAt, y + 34, kLabel, kLine));
    if (slip) {
        element(ReportElement::column(QStringLiteral("HYMD"), value, y + 17, valueWidth, kLine));
        element(ReportElement::column(QStringLiteral("HATTI"), value, y + 23, valueWidth, kLine));
        element(ReportElement::column(QStringLiteral("THTTI"), value, y + 28, valueWidth, kLine));
        element(
            ReportElement::column(QStringLiteral("SHBAN"), value, y + 34, noteAt - value, kLine));
        element(ReportElement::column(QStringLiteral("BIKO"), noteAt + kLabel, y + 34,
                                      x + width - noteAt - kLabel, kLine));
    }
    element(ReportElement::column(QStringLiteral("CNAME"), x, y + 41, width, kLine));
    element(ReportElement::column(QStringLiteral("TENMEI"), x, y + 46, width, kLine));
}

}  // namespace vantir
