#include "billing/rules/InvoiceLayoutChoice.h"

namespace vantir {

InvoiceLayoutChoice InvoiceLayoutChoice::of(const QString& rptFlg, const QString& rptFlg2) {
    if (rptFlg != QLatin1String("1")) return {};
    const DetailedInvoiceForm detailed =
        rptFlg2 == QLatin1String("0")   ? DetailedInvoiceForm::QR_Seikyu2
        : rptFlg2 == QLatin1String("1") ? DetailedInvoiceForm::DotMatrix
                                        : DetailedInvoiceForm::None;
    return {detailed, QStringLiteral("QR_SeikyuH2")};
}

QString InvoiceLayoutChoice::detailedPrintout() const {
    switch (detailed) {
        case DetailedInvoiceForm::QR_Seikyu:
            return QStringLiteral("QR_Seikyu");
        case DetailedInvoiceForm::QR_Seikyu2:
            return QStringLiteral("QR_Seikyu2");
        case DetailedInvoiceForm::DotMatrix:
        case DetailedInvoiceForm::None:
            break;
    }
    return {};
}

QString InvoiceLayoutChoice::detailedPageForm() const {
    return detailed == DetailedInvoiceForm::QR_Seikyu ? QStringLiteral("QR_Seikyu")
                                                      : QStringLiteral("QR_Seikyu2");
}

}  // namespace vantir
