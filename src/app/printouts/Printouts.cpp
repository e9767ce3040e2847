#include "app/printouts/Printouts.h"

#include "billing/rules/BillingPrintouts.h"
#include "cash/rules/CashPrintouts.h"
#include "common/printing/PrintoutRegistry.h"
#include "ledgers/rules/SchedulePrintouts.h"
#include "masters/rules/MasterPrintouts.h"
#include "monthly/rules/MonthlyReportPrintouts.h"
#include "slips/rules/SlipPrintouts.h"

namespace vantir {

void registerPrintouts(PrintoutRegistry& registry) {
    registerSlipPrintouts(registry);     // daily menu: check lists and delivery receipts
    registerCashPrintouts(registry);     // receipt and payment lists
    registerBillingPrintouts(registry);  // the invoice forms of the last invoice run
    registerMasterPrintouts(registry);   // masters menu: address book and labels
    registerSchedulePrintouts(registry);  // schedules of expected receipts and payments
    // The month-based reports of the monthly menus.
    registerMonthlyReportPrintouts(registry);
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
