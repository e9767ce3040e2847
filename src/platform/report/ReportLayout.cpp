#include "platform/report/ReportLayout.h"

#include <algorithm>

#include "platform/report/BandPlacer.h"
#include "platform/report/GroupBreak.h"
#include "platform/report/ReportDefinition.h"
#include "platform/report/ReportError.h"

namespace vantir {

namespace {
// Bands whose bottom lands within this of the page's body bottom still fit: heights
// in millimetres add up with rounding errors.
constexpr double kFitTolerance = 1e-6;
}  // namespace

PageModel ReportLayout::run(const ReportDefinition& definition, ReportCursor& rows) {
    const std::shared_ptr<const ReportColumns> columns = rows.columns();
    ReportLayout layout(definition, columns);
    layout.checkNames(*columns);
    while (std::optional<ReportRow> row = rows.next()) layout.addRow(*row);
    layout.finish();
    return std::move(layout.model_);
}

ReportLayout::ReportLayout(const ReportDefinition& definition,
                           std::shared_ptr<const ReportColumns> columns)
    : definition_(definition),
      aggregates_(definition),
      model_{definition.name(), definition.pageSetup(), {}},
      lastRow_(ReportRow::nulls(std::move(columns))) {}

void ReportLayout::checkNames(const ReportColumns& columns) {
    for (const ReportBand* band : definition_.bands()) {
        for (const ReportElement& element : band->elements()) {
            if (!element.columnName().isEmpty() && columns.indexOf(element.columnName()) < 0)
                throw ReportError(QStringLiteral("Unknown report column: ") + element.columnName());
            if (!element.aggregateName().isEmpty()) aggregates_.value(element.aggregateName());
        }
    }
}

void ReportLayout::addRow(const ReportRow& row) {
    const QVariantList keys = keysOf(row);
    if (!anyRow_) {
        printGroupHeaders(0, row);
    } else if (const int level = firstBrokenGroup(lastKeys_, keys); level >= 0) {
        printGroupFooters(level);
        printGroupHeaders(level, row);
    }
    printDetail(row);
    lastRow_ = row;
    lastKeys_ = keys;
    anyRow_ = true;
}

void ReportLayout::finish() {
    if (anyRow_) printGroupFooters(0);
    if (const ReportBand* summary = definition_.summary()) {
        if (summary->atPageFoot())
            printAtPageFoot(*summary, lastRow_);
        else
            printBand(*summary, lastRow_);
    }
    if (!pageOpen_) startPage(lastRow_);  // a report always has a page, even an empty one
    countRows();
    endPage();
    fillPageCounts();
}

QVariantList ReportLayout::keysOf(const ReportRow& row) {
    QVariantList keys;
    const ReportContext context(row, aggregates_, int(model_.pages.size()));
    for (const ReportGroup& group : definition_.groups()) keys.append(group.key()(context));
    return keys;
}

void ReportLayout::printGroupHeaders(int fromLevel, const ReportRow& row) {
    const auto& groups = definition_.groups();
    // A group's headings never stand alone at the foot of a page: they go where the
    // group's first row fits below them.
    double keepWith = definition_.detail() ? definition_.detail()->height() : 0.0;
    for (int level = fromLevel; level < int(groups.size()); ++level)
        if (const ReportBand* header = groups[level].header()) keepWith += header->height();
    for (int level = fromLevel; level < int(groups.size()); ++level) {
        // Honoured by whichever band comes next: the header, or the detail when the group
        // has no header.
        if (groups[level].startOnNewPage()) newPagePending_ = true;
        if (const ReportBand* header = groups[level].header()) {
            printBand(*header, row, keepWith);
            keepWith -= header->height();
        }
    }
}

void ReportLayout::printGroupFooters(int fromLevel) {
    const auto& groups = definition_.groups();
    for (int level = int(groups.size()) - 1; level >= fromLevel; --level) {
        if (const ReportBand* footer = groups[level].footer()) printBand(*footer, lastRow_);
    }
}

void ReportLayout::printDetail(const ReportRow& row) {
    uncounted_.append(row);
    const ReportBand* detail = definition_.detail();
    if (!detail) return;
    if (detailColumn_ > 0 && !newPagePending_) {  // the next place across on the current line
        countRows();
        draw(*detail, row,
             definition_.pageSetup().bodyRect().left() + detailColumn_ * detail->columnWidth(),
             detailTop_);
        detailColumn_ = (detailColumn_ + 1) % detail->columns();
        return;
    }
    printBand(*detail, row);
    detailTop_ = y_ - detail->height();
    detailColumn_ = detail->columns() > 1 ? 1 : 0;
}

void ReportLayout::printBand(const ReportBand& band, const ReportRow& row, double keepWith) {
    makeRoom(band, row, std::max(keepWith, band.height()));
    countRows();
    draw(band, row, definition_.pageSetup().bodyRect().left(), y_);
    y_ += band.height();
    pageHasBody_ = true;
    detailColumn_ = 0;
}

void ReportLayout::printAtPageFoot(const ReportBand& band, const ReportRow& row) {
    makeRoom(band, row, band.height());
    countRows();
    draw(band, row, definition_.pageSetup().bodyRect().left(), bodyBottom() - band.height());
    y_ = bodyBottom();
    pageHasBody_ = true;
    detailColumn_ = 0;
}

void ReportLayout::makeRoom(const ReportBand& band, const ReportRow& row, double height) {
    if (!pageOpen_) startPage(row);
    const bool wantsNewPage = band.forceNewPage() || newPagePending_;
    const bool fits = y_ + height <= bodyBottom() + kFitTolerance;
    newPagePending_ = false;
    // A page with nothing but its headings takes the band even when it does not fit:
    // a new page would have no more room.
    if (pageHasBody_ && (wantsNewPage || !fits)) {
        endPage();
        startPage(row);
    }
}

void ReportLayout::startPage(const ReportRow& row) {
    model_.pages.append(Page{});
    pageOpen_ = true;
    pageHasBody_ = false;
    detailColumn_ = 0;
    const bool first = model_.pages.size() == 1;
    const double left = definition_.pageSetup().bodyRect().left();
    y_ = definition_.pageSetup().bodyRect().top();
    const ReportBand* header = definition_.pageHeader();
    const ReportBand* headings[] = {
        header && (!first || header->printOnFirstPage()) ? header : nullptr,
        first ? definition_.titleBand() : nullptr, definition_.columnHeader()};
    for (const ReportBand* band : headings) {
        if (!band) continue;
        draw(*band, row, left, y_);
        y_ += band->height();
    }
}

void ReportLayout::endPage() {
    if (pageFooterOnThisPage()) {
        const ReportBand& footer = *definition_.pageFooter();
        draw(footer, lastRow_, definition_.pageSetup().bodyRect().left(),
             definition_.pageSetup().bodyRect().bottom() - footer.height());
    }
    pageOpen_ = false;
}

bool ReportLayout::pageFooterOnThisPage() const {
    const ReportBand* footer = definition_.pageFooter();
    return footer && (model_.pages.size() > 1 || footer->printOnFirstPage());
}

double ReportLayout::bodyBottom() const {
    const double bottom = definition_.pageSetup().bodyRect().bottom();
    return pageFooterOnThisPage() ? bottom - definition_.pageFooter()->height() : bottom;
}

void ReportLayout::countRows() {
    for (const ReportRow& row : uncounted_) aggregates_.accumulate(row, int(model_.pages.size()));
    uncounted_.clear();
}

void ReportLayout::draw(const ReportBand& band, const ReportRow& row, double x, double y) {
    const int pageIndex = int(model_.pages.size()) - 1;
    const ReportContext context(row, aggregates_, pageIndex + 1);
    for (const int text : BandPlacer::place(band, context, QPointF(x, y), model_.pages.last()))
        pageCountTexts_.append({pageIndex, text});
    aggregates_.resetAfter(band);
}

void ReportLayout::fillPageCounts() {
    const QString count = QString::number(model_.pages.size());
    for (const auto& [page, text] : pageCountTexts_)
        model_.pages[page].texts[text].text.replace(QLatin1String("%2"), count);
}

}  // namespace vantir
