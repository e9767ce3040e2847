#pragma once

#include <QList>
#include <deque>
#include <optional>

#include "platform/report/PageSetup.h"
#include "platform/report/ReportBand.h"
#include "platform/report/ReportGroup.h"

namespace vantir {

// A printed report: its paper and the bands that make it up. On every page the page
// header, then on the first page the title, then the column header; then for each row
// the headers of the groups that begin, the detail, and the footers of the groups that
// end; after the last row the summary; at the bottom of every page the page footer.
// A band that is not set is not printed.
class ReportDefinition {
  public:
    ReportDefinition(QString name, PageSetup pageSetup);

    const QString& name() const { return name_; }  // the document's and the print job's name
    const PageSetup& pageSetup() const { return pageSetup_; }

    ReportBand& setPageHeader(double height);
    ReportBand& setTitle(double height);
    ReportBand& setColumnHeader(double height);
    ReportBand& setDetail(double height);
    ReportBand& setSummary(double height);
    ReportBand& setPageFooter(double height);
    // Groups nest in the order they are added: the first is the outermost.
    ReportGroup& addGroup(const QString& keyColumn);
    ReportGroup& addGroup(ReportExpression key);

    const ReportBand* pageHeader() const { return band(pageHeader_); }
    const ReportBand* titleBand() const { return band(titleBand_); }
    const ReportBand* columnHeader() const { return band(columnHeader_); }
    const ReportBand* detail() const { return band(detail_); }
    const ReportBand* summary() const { return band(summary_); }
    const ReportBand* pageFooter() const { return band(pageFooter_); }
    const std::deque<ReportGroup>& groups() const { return groups_; }
    // Every band that is set, groups' headers and footers included.
    QList<const ReportBand*> bands() const;

  private:
    static const ReportBand* band(const std::optional<ReportBand>& b) { return b ? &*b : nullptr; }

    QString name_;
    PageSetup pageSetup_;
    std::optional<ReportBand> pageHeader_;
    std::optional<ReportBand> titleBand_;
    std::optional<ReportBand> columnHeader_;
    std::optional<ReportBand> detail_;
    std::optional<ReportBand> summary_;
    std::optional<ReportBand> pageFooter_;
    std::deque<ReportGroup> groups_;  // a deque keeps references to earlier groups valid
};

}  // namespace vantir
