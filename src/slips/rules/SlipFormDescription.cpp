#include "slips/rules/SlipFormDescription.h"

namespace vantir {

SlipFormDescription SlipFormDescription::entry() {
    return {.setDateDefault = true,
            .remembersFields = true,
            .amountDefaults = true,
            .carrierTotal = CarrierTotalOnRegister::WhenNegative};
}

SlipFormDescription SlipFormDescription::correction() {
    return {.carrierTotal = CarrierTotalOnRegister::WhenNotPositive};
}

}  // namespace vantir
