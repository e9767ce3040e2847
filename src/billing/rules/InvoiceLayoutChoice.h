#pragma once

#include <QString>

namespace vantir {

// The detailed invoice's form ("コピー").
enum class DetailedInvoiceForm { QR_Seikyu, QR_Seikyu2, DotMatrix, None };

// The invoice forms the company's layout flags choose, fixed when the invoice dialog
// opens: RPT_FLG other than "1" prints on A4 (QR_Seikyu, QR_SeikyuH); "1" on continuous
// forms, with RPT_FLG2 "0" the page form QR_Seikyu2, "1" the dot-matrix invoice and any
// other value no detailed invoice at all; the summary is then always QR_SeikyuH2.
struct InvoiceLayoutChoice {
    DetailedInvoiceForm detailed = DetailedInvoiceForm::QR_Seikyu;
    QString summary = QStringLiteral("QR_SeikyuH");

    static InvoiceLayoutChoice of(const QString& rptFlg, const QString& rptFlg2);
    // The page form of the detailed invoice as a printout name; empty for the
    // dot-matrix invoice and for none.
    QString detailedPrintout() const;
    // The page form on the same paper, for a PDF of the detailed invoice whatever the
    // printer: QR_Seikyu2 on continuous forms, QR_Seikyu on A4.
    QString detailedPageForm() const;
};

}  // namespace vantir
