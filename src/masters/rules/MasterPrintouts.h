#pragma once

namespace vantir {

class PrintoutRegistry;

// The printouts of the masters menu, each with its continuous-form twin ("2"), over the
// partners whose code lies from --from to --to, compared as text as typed:
//   QR_Address  the partner address book "取引先住所録"
//   QR_Add_LBL  the partner address labels, three across
void registerMasterPrintouts(PrintoutRegistry& registry);

}  // namespace vantir
