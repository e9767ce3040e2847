#include "app/printouts/Printouts.h"

#include "slips/rules/SlipPrintouts.h"

namespace vantir {

void registerPrintouts(PrintoutRegistry& registry) {
    registerSlipPrintouts(registry);  // daily menu: check lists and delivery receipts
}

}  // namespace vantir
