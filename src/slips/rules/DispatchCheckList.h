#pragma once

#include <QString>

#include "platform/report/ReportDefinition.h"

namespace vantir {

struct PrintSelection;

// The dispatch check list ("配車入力確認表", and as "確定一覧表" or "未定一覧表" the
// slips with or without a receipt date): one line per slip on A4 landscape, two lines per
// slip on the continuous form; the title, the date, its kind, the page number and the
// print date at the top of every page; "件数" and the sums of the four amounts at the end.
class DispatchCheckList {
  public:
    // The layout for the paper: the continuous form gets the two-line layout.
    static ReportDefinition define(const QString& title, const PageSetup& paper,
                                   const PrintSelection& selection);

  private:
    static void addPageHeader(ReportDefinition& report, const PrintSelection& selection);
    static void addSingleLine(ReportDefinition& report);
    static void addTwoLines(ReportDefinition& report);
};

}  // namespace vantir
