#pragma once

#include "platform/report/ReportDefinition.h"

namespace vantir {

struct PrintSelection;

// The partner address book "取引先住所録": the title, the print date and the page number at
// the top of every page, then two lines per partner without column headings: code, name,
// first address line and closing day; telephone, fax, postcode, second address line and
// site. On the continuous form the fields stand wider apart, over its wider body.
class AddressBook {
  public:
    static ReportDefinition define(const PageSetup& paper, const PrintSelection& selection);
};

}  // namespace vantir
