#pragma once

namespace vantir {
class PrintoutRegistry;
}

namespace vantir::test {

// Two small printouts in the shapes the real ones take, for the runner's tests:
//  - QR_NyukinTest and its continuous twin QR_NyukinTest2 (one definition): the receipts
//    of HITRAN2 in the main database whose DDAY lies in --since/--until, optionally of
//    one --partner, grouped by customer with a running total; --month, --sime and
//    --from/--to feed only the headings, as on the receipt list print.
//  - QR_HaraiTest, one layout: the payments of HITRAN3 in the working copy whose DDAY
//    falls in --month, with a count and a total.
void registerTestPrintouts(PrintoutRegistry& registry);

}  // namespace vantir::test
