#include "slips/rules/DeliveryReceipts.h"

#include "slips/rules/ReceiptForm.h"

namespace vantir {

namespace {

// The room of one receipt: a third of the body across, a fifth of it down.
QSizeF receiptSize(const PageSetup& paper) {
    const QRectF body = paper.bodyRect();
    return {body.width() / DeliveryReceipts::kAcross, body.height() / DeliveryReceipts::kDown};
}

}  // namespace

ReportDefinition DeliveryReceipts::define(const PageSetup& paper, const PrintSelection&) {
    ReportDefinition report(QStringLiteral("受領書印刷"), paper);
    const QSizeF size = receiptSize(paper);
    ReportBand& detail = report.setDetail(size.height()).setColumns(kAcross, size.width());
    ReceiptForm::add(detail, {0, 0}, size, ReceiptForm::Content::Slip);
    return report;
}

ReportDefinition DeliveryReceipts::defineBlankSheet(const PageSetup& paper, const PrintSelection&) {
    ReportDefinition report(QStringLiteral("受領書白紙"), paper);
    const QSizeF size = receiptSize(paper);
    ReportBand& sheet = report.setDetail(size.height() * kDown);
    for (int row = 0; row < kDown; ++row)
        for (int column = 0; column < kAcross; ++column)
            ReceiptForm::add(sheet, {column * size.width(), row * size.height()}, size,
                             ReceiptForm::Content::Blank);
    return report;
}

}  // namespace vantir
