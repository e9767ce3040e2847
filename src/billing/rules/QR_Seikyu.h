#pragma once

#include <memory>

#include "billing/rules/InvoiceSheet.h"
#include "platform/report/PageSetup.h"
#include "platform/report/ReportDefinition.h"

namespace vantir {

// The detailed invoice ("請求書印刷"), one line per slip of QWK_Seikyu: on every page
// the title, the customer's address and name, the invoice date and the company block;
// on the first page the tax rate, the tax and the total with tax; the column heads on
// every page; the slip lines boxed by rules; the totals of freight and costs at the foot
// of the last page. On A4 (QR_Seikyu) or on the continuous form (QR_Seikyu2), where the
// header items stand further right and the first page begins with the tax lines. The
// sheet is read when the pages are laid out.
ReportDefinition QR_Seikyu(const PageSetup& paper, std::shared_ptr<const InvoiceSheet> sheet);

}  // namespace vantir
