#include "app/printouts/Printouts.h"

#include "cash/rules/CashPrintouts.h"
#include "common/printing/PrintoutRegistry.h"
#include "slips/rules/SlipPrintouts.h"

namespace vantir {

void registerPrintouts(PrintoutRegistry& registry) {
    registerSlipPrintouts(registry);  // daily menu: check lists and delivery receipts
    registerCashPrintouts(registry);  // receipt and payment lists
}

const PrintoutRegistry& programPrintouts() {
    static const PrintoutRegistry registry = [] {
        PrintoutRegistry all;
        registerPrintouts(all);
        return all;
    }();
    return registry;
}

}  // namespace vantir
