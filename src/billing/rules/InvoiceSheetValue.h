#pragma once

#include <memory>

#include "billing/rules/InvoiceSheet.h"
#include "platform/report/ReportContext.h"

namespace vantir {

// A value of the invoice sheet as a report expression, read when the band prints: the
// forms are defined before the sheet is read for the run that prints them.
inline ReportExpression sheetText(std::shared_ptr<const InvoiceSheet> sheet,
                                  QString InvoiceSheet::*field) {
    return [sheet, field](const ReportContext&) { return QVariant((*sheet).*field); };
}

inline ReportExpression sheetYen(std::shared_ptr<const InvoiceSheet> sheet,
                                 qint64 InvoiceSheet::*field) {
    return [sheet, field](const ReportContext&) { return QVariant::fromValue((*sheet).*field); };
}

// The customer line of every invoice: " " + KNAME + "  御中 ".
inline ReportExpression customerLine(std::shared_ptr<const InvoiceSheet> sheet) {
    return [sheet](const ReportContext&) {
        return QVariant(QLatin1Char(' ') + sheet->KNAME + QStringLiteral("  御中 "));
    };
}

// "ＴＥＬ" CTEL and "ＦＡＸ" CFAX on one line of the company block.
inline ReportExpression telephoneLine(std::shared_ptr<const InvoiceSheet> sheet) {
    return [sheet](const ReportContext&) {
        return QVariant(QStringLiteral("ＴＥＬ ") + sheet->CTEL + QStringLiteral("　ＦＡＸ ") +
                        sheet->CFAX);
    };
}

}  // namespace vantir
