#pragma once

#include <QList>
#include <QPair>
#include <QVariantList>

#include "platform/report/AggregateState.h"
#include "platform/report/PageModel.h"
#include "platform/report/ReportCursor.h"

namespace vantir {

class ReportBand;
class ReportDefinition;

// Lays a report out: reads its rows once and places its bands on pages, breaking pages
// where a band no longer fits above the page footer, where a band forces a new page and
// where a group starts on a new page. Nothing is drawn; the result is the page model.
class ReportLayout {
  public:
    // Throws ReportError when an element names a column the rows do not have or an
    // aggregate no band holds, and DbError when reading the rows fails.
    static PageModel run(const ReportDefinition& definition, ReportCursor& rows);

  private:
    ReportLayout(const ReportDefinition& definition, std::shared_ptr<const ReportColumns> columns);

    void checkNames(const ReportColumns& columns);
    void addRow(const ReportRow& row);
    void finish();

    QVariantList keysOf(const ReportRow& row);
    void printGroupHeaders(int fromLevel, const ReportRow& row);
    void printGroupFooters(int fromLevel);
    void printDetail(const ReportRow& row);
    // keepWith: the room the band needs below it on the same page, itself included.
    void printBand(const ReportBand& band, const ReportRow& row, double keepWith = 0.0);
    void printAtPageFoot(const ReportBand& band, const ReportRow& row);

    // Opens a page when none is open, and begins a new one when the band must not go on
    // this one or height mm no longer fit on it.
    void makeRoom(const ReportBand& band, const ReportRow& row, double height);
    void startPage(const ReportRow& row);
    void endPage();
    bool pageFooterOnThisPage() const;
    double bodyBottom() const;
    // Adds the rows laid out since the last body band to the sums and counts; called
    // once the page that band goes on is settled, so page totals hold the page's rows.
    void countRows();
    void draw(const ReportBand& band, const ReportRow& row, double x, double y);
    void fillPageCounts();

    const ReportDefinition& definition_;
    AggregateState aggregates_;
    PageModel model_;
    ReportRow lastRow_;  // the last row laid out; footers and the summary see it
    QVariantList lastKeys_;
    bool anyRow_ = false;
    QList<ReportRow> uncounted_;
    bool pageOpen_ = false;
    bool pageHasBody_ = false;  // anything besides the page's headings
    bool newPagePending_ = false;
    double y_ = 0.0;
    int detailColumn_ = 0;  // next position across of a detail band printed in columns
    double detailTop_ = 0.0;
    QList<QPair<int, int>> pageCountTexts_;  // (page, text) waiting for the number of pages
};

}  // namespace vantir
