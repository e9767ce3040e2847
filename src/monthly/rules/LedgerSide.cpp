#include "monthly/rules/LedgerSide.h"

namespace vantir {

const LedgerSide& LedgerSide::sales() {
    static const LedgerSide side = {
        "HITRANM",
        "HITRAN2",
        {"SKING", "SHIYO"},
        {"UKING", "UHIYO", "INKING", "INSKING"},
        "HYMD,THYMD,CODE,SEKBN,DDAY,KCODE,KNAME,SKING,SHIYO,BIKO,SUB1,SUBM",
        "HYMD,THYMD,CODE,SEKBN,DDAY,KCODE,KNAME,UKING,UHIYO,BIKO,SUB1,SUBM"};
    return side;
}

const LedgerSide& LedgerSide::purchases() {
    static const LedgerSide side = {
        "HITRANS",
        "HITRAN3",
        {"UKING", "UHIYO"},
        {"SKING", "SHIYO", "INKING", "INSKING"},
        "HYMD,THYMD,CODE,SEKBN,DDAY,YCODE,YNAME,UKING,UHIYO,BIKO,SUB1,SUBM",
        "HYMD,THYMD,CODE,SEKBN,DDAY,YCODE,YNAME,SKING,SHIYO,BIKO,SUB1,SUBM"};
    return side;
}

}  // namespace vantir
