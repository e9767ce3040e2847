#pragma once

#include <optional>

#include "platform/report/ReportBand.h"

namespace vantir {

// Consecutive rows with the same key (a customer code, a carrier code): a header before
// the group's first row, a footer after its last. A group of an outer level breaking
// breaks every group inside it too.
class ReportGroup {
  public:
    explicit ReportGroup(ReportExpression key);

    ReportBand& setHeader(double height);
    ReportBand& setFooter(double height);
    // Every group after the first begins on a page of its own.
    ReportGroup& setStartOnNewPage(bool on = true);

    const ReportExpression& key() const { return key_; }
    const ReportBand* header() const { return header_ ? &*header_ : nullptr; }
    const ReportBand* footer() const { return footer_ ? &*footer_ : nullptr; }
    bool startOnNewPage() const { return startOnNewPage_; }

  private:
    ReportExpression key_;
    std::optional<ReportBand> header_;
    std::optional<ReportBand> footer_;
    bool startOnNewPage_ = false;
};

}  // namespace vantir
