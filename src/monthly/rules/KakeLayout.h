#pragma once

#include <QString>

#include "platform/report/ReportDefinition.h"

namespace vantir {

struct KakeReport;

// What heads every page of a receivable or payable report, as the runner worked it out.
struct KakeHeadings {
    QString office;        // LBL_Ten
    QString closingLabel;  // LBL_Sime: "20日締", "末締"
    QString dateRange;     // LBL_Date
    QString flagLabel;     // LBL_Flg, printed by the payable side only
};

// The layouts on A4 portrait: the list "売掛金一覧表" / "買掛金一覧表", one line per
// partner and a last line with the totals; the confirmation "売掛金確認書" /
// "買掛金確認書", one letter per partner on a page of its own with its slips.
ReportDefinition kakeLayout(const KakeReport& report, const PageSetup& paper,
                            const KakeHeadings& headings);

}  // namespace vantir
