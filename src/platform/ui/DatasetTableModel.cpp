#include "platform/ui/DatasetTableModel.h"

#include "platform/dataset/Dataset.h"
#include "platform/ui/CommandBoundary.h"

namespace vantir {

DatasetTableModel::DatasetTableModel(Dataset& dataset, QList<GridColumn> columns,
                                     Messages& messages, QObject* parent)
    : QAbstractTableModel(parent),
      dataset_(dataset),
      columns_(std::move(columns)),
      messages_(messages) {
    const auto resetRows = [this] { reset(); };
    subscriptions_.add(dataset_.afterOpen, resetRows);
    subscriptions_.add(dataset_.afterClose, resetRows);
    subscriptions_.add(dataset_.rowsChanged, resetRows);
    subscriptions_.add(dataset_.afterInsert, resetRows);
    subscriptions_.add(dataset_.afterCancel, resetRows);
    subscriptions_.add(dataset_.fieldChanged, [this](const QString&) { currentRowChanged(); });
}

DatasetTableModel::~DatasetTableModel() = default;

int DatasetTableModel::fieldOf(int column) const {
    if (column < 0 || column >= columns_.size() || !dataset_.isOpen()) return -1;
    return dataset_.fieldIndex(columns_.at(column).column);
}

int DatasetTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !dataset_.isOpen()) return 0;
    return dataset_.recordCount() + (dataset_.state() == DatasetState::Insert ? 1 : 0);
}

int DatasetTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant DatasetTableModel::data(const QModelIndex& index, int role) const {
    const int field = fieldOf(index.column());
    if (!index.isValid() || field < 0) return {};
    if (role == Qt::TextAlignmentRole) {
        const bool text = dataset_.fields().at(field).type == ColumnType::Text;
        return QVariant::fromValue(Qt::AlignVCenter | (text ? Qt::AlignLeft : Qt::AlignRight));
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    const bool buffer = dataset_.isEditing() && index.row() == dataset_.recNo();
    const QVariant value = buffer ? dataset_.value(columns_.at(index.column()).column)
                                  : dataset_.valueAt(index.row(), field);
    // Shown as stored: no digit grouping from the locale.
    return role == Qt::DisplayRole ? QVariant(value.toString()) : value;
}

QVariant DatasetTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section < 0 || section >= columns_.size()) return {};
    return columns_.at(section).title;
}

Qt::ItemFlags DatasetTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (editable_ && index.isValid() && !columns_.value(index.column()).readOnly)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool DatasetTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!(flags(index) & Qt::ItemIsEditable) || role != Qt::EditRole || fieldOf(index.column()) < 0)
        return false;
    const Result result = CommandBoundary::run(messages_, [&] {
        if (index.row() != dataset_.recNo()) dataset_.moveTo(index.row());
        if (index.row() != dataset_.recNo()) return Result::success();
        return dataset_.setText(columns_.at(index.column()).column, value.toString());
    });
    if (!result) return false;
    Q_EMIT dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
    return true;
}

int DatasetTableModel::byteWidth(int column) const {
    const int field = fieldOf(column);
    if (field < 0) return 0;
    const ColumnInfo& info = dataset_.fields().at(field);
    return info.type == ColumnType::Text ? info.width : 0;
}

void DatasetTableModel::reset() {
    beginResetModel();
    endResetModel();
}

void DatasetTableModel::currentRowChanged() {
    const int row = dataset_.recNo();
    if (row < 0 || row >= rowCount()) return;
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
}

}  // namespace vantir
