#include "platform/report/ReportGroup.h"

namespace vantir {

ReportGroup::ReportGroup(ReportExpression key) : key_(std::move(key)) {}

ReportBand& ReportGroup::setHeader(double height) { return header_.emplace(height); }

ReportBand& ReportGroup::setFooter(double height) { return footer_.emplace(height); }

ReportGroup& ReportGroup::setStartOnNewPage(bool on) {
    startOnNewPage_ = on;
    return *this;
}

}  // namespace vantir
