#pragma once

#include "platform/report/ReportDefinition.h"

namespace vantir {

struct PrintSelection;

// The delivery receipts of a day, one per slip, three across the page (A4 portrait or
// the continuous form), and the blank receipt sheet: fifteen blank receipts on A4, five
// rows of three.
class DeliveryReceipts {
  public:
    static constexpr int kAcross = 3;
    static constexpr int kDown = 5;

    static ReportDefinition define(const PageSetup& paper, const PrintSelection& selection);
    static ReportDefinition defineBlankSheet(const PageSetup& paper,
                                             const PrintSelection& selection);
};

}  // namespace vantir
