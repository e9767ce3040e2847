#pragma once

#include <vector>

namespace vantir {

class AggregateRow;

// Before the run writes anything: every partner's closing day SIME and site SAIT, when
// set, must read as a number, since its due date is worked out from them. Throws
// MonthlyStop naming the first partner that fails and the value.
class PartnerTermsCheck {
  public:
    static void check(const std::vector<AggregateRow>& partners);
};

}  // namespace vantir
