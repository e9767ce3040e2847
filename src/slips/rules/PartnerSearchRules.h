#pragma once

#include <QString>
#include <QStringList>

#include "slips/rules/PartnerSearchBoxes.h"
#include "slips/rules/PartnerSearchDescription.h"

namespace vantir {

class DataModule1;
class HandBacks;
class QueryDataset;
struct AppState;

// The customer search and the carrier search without their window. The dialog lives for
// the whole run and so do its query's text and filter and the boxes: a search shown again
// repeats its last list until "実行" or "初期化". "確定" hands the current partner's code to
// the screen open under the current mode name, as that screen offered it.
class PartnerSearchRules {
  public:
    // Sets the query to the statement of the opening boxes. The views, the state and the
    // registry must outlive the rules.
    PartnerSearchRules(PartnerSearchDescription description, DataModule1& data,
                       const AppState& state, const HandBacks& handBacks);

    const PartnerSearchDescription& description() const { return description_; }
    QueryDataset& query() const { return query_; }
    const PartnerSearchBoxes& boxes() const { return boxes_; }

    // Showing the dialog opens the query as it was left; throws DbError.
    void open();
    // Closing the dialog, by whichever way, closes it.
    void close();

    // The user's choices in the boxes. A new sort key starts in "正順".
    void setKind(SearchKind kind) { boxes_.kind = kind; }
    void setSortKey(SortKey sortKey);
    void setDirection(SortDirection direction) { boxes_.direction = direction; }

    // "実行": the partners of this side in the chosen order, narrowed to the text by the
    // search kind (name and reading by prefix, telephone exactly). An empty text keeps the
    // previous search's narrowing. Throws DbError.
    void execute(const QString& text);
    // "初期化": every partner of this side in the query's own order, no narrowing, the
    // boxes blank. Throws DbError.
    void reset();

    // The code of the current partner; empty when the list is empty.
    QString currentCode() const;
    // "確定": hands the current code back under the mode name. False, with nothing handed,
    // when the screen open under it takes none. A receiver may throw DbError.
    bool confirm() const;

    // The statement "実行" opens: the partners, this side's condition, the order line.
    QStringList sqlLines() const;
    // The order line of the boxes; empty when the sort key or the direction is blank.
    QString orderLine() const;
    // The record filter of a search text under the search kind; empty with a blank kind.
    QString filterOf(const QString& text) const;

  private:
    PartnerSearchDescription description_;
    QueryDataset& query_;
    const AppState& state_;
    const HandBacks& handBacks_;
    PartnerSearchBoxes boxes_;
};

}  // namespace vantir
