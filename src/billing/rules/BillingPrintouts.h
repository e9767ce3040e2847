#pragma once

namespace vantir {

class PrintoutRegistry;

// The invoice forms as printouts of the last invoice run (the rows "印刷" left in the
// work tables): QR_Seikyu and QR_Seikyu2, the detailed invoice over QWK_Seikyu, and
// QR_SeikyuH and QR_SeikyuH2, the summary over WK_SEK_HED; none takes options. Each print
// reads the header row, the tax rate and the company record afresh.
void registerBillingPrintouts(PrintoutRegistry& registry);

}  // namespace vantir
