#include "platform/ui/DatasetGrid.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include "platform/dataset/Dataset.h"
#include "platform/ui/ByteLimitValidator.h"
#include "platform/ui/CommandBoundary.h"

namespace vantir {

namespace {

// Cell editors that stop typing at the column's width, as the bound text boxes do.
class ByteLimitDelegate : public QStyledItemDelegate {
  public:
    ByteLimitDelegate(const DatasetTableModel& model, QObject* parent)
        : QStyledItemDelegate(parent), model_(model) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        const int width = model_.byteWidth(index.column());
        if (auto* edit = qobject_cast<QLineEdit*>(editor); edit && width > 0)
            edit->setValidator(new ByteLimitValidator(width, edit));
        return editor;
    }

  private:
    const DatasetTableModel& model_;
};

}  // namespace

DatasetGrid::DatasetGrid(Dataset& dataset, QList<GridColumn> columns, Messages& messages,
                         QWidget* parent)
    : QTableView(parent),
      dataset_(dataset),
      messages_(messages),
      model_(new DatasetTableModel(dataset, std::move(columns), messages, this)) {
    setModel(model_);
    setItemDelegate(new ByteLimitDelegate(*model_, this));
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    // Fixed row heights: the grid never measures rows it does not show.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->hide();
    setEditable(false);

    connect(model_, &QAbstractItemModel::modelReset, this, &DatasetGrid::followDataset);
    subscriptions_.add(dataset_.afterScroll, [this] { followDataset(); });
    followDataset();
}

DatasetGrid::~DatasetGrid() = default;

void DatasetGrid::setEditable(bool editable) {
    model_->setEditable(editable);
    setEditTriggers(editable ? (DoubleClicked | EditKeyPressed | AnyKeyPressed) : NoEditTriggers);
}

void DatasetGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (following_ || !current.isValid() || current.row() == dataset_.recNo()) return;
    const int row = current.row();
    if (!CommandBoundary::run(messages_, [&] { dataset_.moveTo(row); })) followDataset();
}

void DatasetGrid::followDataset() {
    const int row = dataset_.isOpen() ? dataset_.recNo() : -1;
    if (row < 0 || row >= model_->rowCount()) return;
    following_ = true;
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    setCurrentIndex(model_->index(row, column));
    following_ = false;
}

}  // namespace vantir
