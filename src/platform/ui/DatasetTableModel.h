#pragma once

#include <QAbstractTableModel>
#include <QList>

#include "platform/dataset/EventSubscriptions.h"

namespace vantir {

class Dataset;
class Messages;

// A column of a grid: the dataset column, the title over it, and whether an editable
// grid keeps it from being typed into (a date or name the row was made with).
struct GridColumn {
    QString column;
    QString title;
    bool readOnly = false;
};

// The rows of a dataset for Qt's views. Values are read row by row as the view paints
// them (Dataset::valueAt), so a grid over a million rows reads only the rows on screen.
// The current record shows its record buffer while it is edited; while a record is
// inserted it is the last row. Editable models write into the record buffer of the row,
// which becomes the current record first (posting a pending change elsewhere).
class DatasetTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    DatasetTableModel(Dataset& dataset, QList<GridColumn> columns, Messages& messages,
                      QObject* parent = nullptr);
    ~DatasetTableModel() override;

    Dataset& dataset() const { return dataset_; }
    const QList<GridColumn>& columns() const { return columns_; }
    void setEditable(bool editable) { editable_ = editable; }
    bool isEditable() const { return editable_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The dataset's width of the column in Shift_JIS bytes (0 when not limited).
    int byteWidth(int column) const;

  private:
    int fieldOf(int column) const;
    void reset();
    void currentRowChanged();

    Dataset& dataset_;
    QList<GridColumn> columns_;
    Messages& messages_;
    bool editable_ = false;
    EventSubscriptions subscriptions_;
};

}  // namespace vantir
