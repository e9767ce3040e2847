#pragma once

#include "platform/report/ReportDefinition.h"

namespace vantir {

struct PrintSelection;

// The partner address labels "取引先ラベル印刷": one label of 68.5 mm by 43.4 mm per
// partner, three across, in code order across then down, as many rows as the page holds.
// A label holds the postcode, the two address lines and, indented below them, the name
// followed by " 御中".
class AddressLabels {
  public:
    static constexpr int kAcross = 3;
    static constexpr double kWidth = 68.5;
    static constexpr double kHeight = 43.4;

    static ReportDefinition define(const PageSetup& paper, const PrintSelection& selection);
};

}  // namespace vantir
