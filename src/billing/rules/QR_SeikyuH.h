#pragma once

#include <memory>

#include "billing/rules/InvoiceSheet.h"
#include "platform/report/PageSetup.h"
#include "platform/report/ReportDefinition.h"

namespace vantir {

// The one-page summary invoice ("請求書ヘッダ") over the header rows of WK_SEK_HED: the
// title, invoice date, company block and customer line; per header row a table of sales,
// discount, costs and tax; and the amount asked for this month, sales - discount + costs
// + tax. On A4 (QR_SeikyuH) or the continuous form (QR_SeikyuH2), spread to its width.
ReportDefinition QR_SeikyuH(const PageSetup& paper, std::shared_ptr<const InvoiceSheet> sheet);

}  // namespace vantir
