#pragma once

namespace vantir {

// What tells the slip screens apart: the entry (配車票入力) keys new slips at speed from
// the set date and the previous slip; the correction screens (配車票訂正) change a
// registered slip and take nothing from elsewhere. The fields, numbering, billing date,
// zero-fill and lookups are the same for all of them.
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

    static SlipFormDescription entry();
    static SlipFormDescription correction();
};

}  // namespace vantir
