#pragma once

#include <QTableView>

#include "platform/dataset/EventSubscriptions.h"
#include "platform/ui/DatasetTableModel.h"

namespace vantir {

// A grid over a dataset with titled columns. The grid's current row is the dataset's
// current record both ways: moving in the grid moves the dataset (a pending change is
// posted first; a refused post is shown and the grid stays), and the grid follows when
// the dataset moves. Read-only unless made editable; an editor stops typing at the
// column's width in Shift_JIS bytes.
class DatasetGrid : public QTableView {
    Q_OBJECT

  public:
    DatasetGrid(Dataset& dataset, QList<GridColumn> columns, Messages& messages,
                QWidget* parent = nullptr);
    ~DatasetGrid() override;

    DatasetTableModel& tableModel() const { return *model_; }
    void setEditable(bool editable);

  protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

  private:
    void followDataset();

    Dataset& dataset_;
    Messages& messages_;
    DatasetTableModel* model_;
    bool following_ = false;
    EventSubscriptions subscriptions_;
};

}  // namespace vantir
