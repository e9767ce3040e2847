#pragma once

namespace vantir {

// What tells the slip screens apart: the entry (配車票入力) keys new slips at speed from
// the set date and the previous slip; the correction screens (配車票訂正) change a
// registered slip and take nothing from elsewhere. The inquiry is the correction opened
// from the dispatch list (配車一覧) on the list's slip. The fields, numbering, billing
// date, zero-fill and lookups are the same for all of them.
struct SlipFormDescription {
    // When a negative, zero or NULL carrier total is worked out again on registering.
    enum class CarrierTotalOnRegister {
        WhenNegative,     // the entry: a zero or NULL total stays
        WhenNotPositive,  // the correction: zero, NULL and negative
    };

    bool setDateDefault = false;   // HYMD and THYMD take the set date when NULL
    bool remembersFields = false;  // the seven fields repeat the previous slip
    bool amountDefaults = false;   // a NULL amount becomes 0 on leaving it
    CarrierTotalOnRegister carrierTotal = CarrierTotalOnRegister::WhenNotPositive;
    // The record hooks switch the command buttons with the slip state. The inquiry is
    // opened under the dispatch list's mode, which the hooks do not serve: its "F1 登録"
    // and "F9 取消" stay disabled and "F12 削除" enabled.
    bool buttonsFollowHooks = true;
    // The customer and carrier searches write their code into the slip; under the
    // inquiry they fill the dispatch list's search value instead.
    bool takesSearchedCodes = true;
    // Leaving the number box loads the slip of the number typed; the inquiry shows only
    // the slip the dispatch list stands on.
    bool numberLoadsSlip = true;

    static SlipFormDescription entry();
    static SlipFormDescription correction();
    static SlipFormDescription inquiry();
};

}  // namespace vantir
