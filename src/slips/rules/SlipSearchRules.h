#pragma once

#include <QString>

namespace vantir {

class DataModule1;
class QueryDataset;
class TableDataset;

// The slip search ("配車票検索") without its window: the slips its caller put into the
// query (the slips of the set day), and on "確定" the shared slip table narrowed to the
// chosen slip, which the screen bound to it then shows.
class SlipSearchRules {
  public:
    // The views must outlive the rules.
    explicit SlipSearchRules(DataModule1& data);

    QueryDataset& query() const { return query_; }

    // Showing the dialog opens the query with the text the caller gave it; throws DbError.
    void open();
    // Closing the dialog, by whichever way, closes it.
    void close();

    // The number of the current slip; empty when the list is empty.
    QString currentCode() const;
    // "確定": the slip table's filter becomes the current slip's number (an empty list
    // gives an empty number, which no slip has). Throws DbError when a pending change of
    // the slip table is refused as it is posted.
    void confirm();

  private:
    QueryDataset& query_;
    TableDataset& slips_;
};

}  // namespace vantir
