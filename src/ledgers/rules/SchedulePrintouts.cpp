#include "ledgers/rules/SchedulePrintouts.h"

#include "common/printing/PrintoutRegistry.h"
#include "ledgers/rules/QR_Hari_Lst.h"
#include "ledgers/rules/QR_Hari_Yo.h"
#include "ledgers/rules/QR_Kake_Rep.h"
#include "ledgers/rules/QR_Nyu_Yo.h"

namespace vantir {

void registerSchedulePrintouts(PrintoutRegistry& registry) {
    const PageMargins wide{.top = 10, .bottom = 10, .left = 15, .right = 9};
    registry.addPair(QR_Nyu_Yo(), wide);
    registry.addPair(QR_Hari_Yo(), {.top = 9, .bottom = 10, .left = 15, .right = 10});
    registry.addPair(QR_Hari_Lst(), {.top = 7, .bottom = 10, .left = 14, .right = 10});
    registry.addPair(QR_Kake_Rep(), wide);
}

}  // namespace vantir
