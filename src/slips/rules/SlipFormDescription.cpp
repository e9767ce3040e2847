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

SlipFormDescription SlipFormDescription::inquiry() {
    SlipFormDescription inquiry = correction();
    inquiry.buttonsFollowHooks = false;
    inquiry.takesSearchedCodes = false;
    inquiry.numberLoadsSlip = false;
    return inquiry;
}

}  // namespace vantir
