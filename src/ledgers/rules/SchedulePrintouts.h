#pragma once

namespace vantir {

class PrintoutRegistry;

// The schedule prints of a month, each on A4 and on the continuous form (name + "2"):
// the expected receipts QR_Nyu_Yo, the expected payments QR_Hari_Yo, the payee list
// QR_Hari_Lst and the receivables and payables QR_Kake_Rep. Each builds its work tables
// in the working copy, taken anew from the main database first.
void registerSchedulePrintouts(PrintoutRegistry& registry);

}  // namespace vantir
