#include "platform/ui/LookupComboBox.h"

#include "platform/dataset/Dataset.h"
#include "platform/dataset/RecordChanges.h"
#include "platform/ui/CommandBoundary.h"

namespace vantir {

LookupComboBox::LookupComboBox(Dataset& dataset, QString column, Dataset& list, QString codeColumn,
                               QString nameColumn, Messages& messages, QWidget* parent)
    : QComboBox(parent),
      dataset_(dataset),
      column_(std::move(column)),
      list_(list),
      codeColumn_(std::move(codeColumn)),
      nameColumn_(std::move(nameColumn)),
      messages_(messages) {
    connect(this, &QComboBox::activated, this, &LookupComboBox::choose);

    const auto reloadList = [this] { reloadItems(); };
    subscriptions_.add(list_.afterOpen, reloadList);
    subscriptions_.add(list_.afterClose, reloadList);
    subscriptions_.add(list_.rowsChanged, reloadList);

    const auto follow = [this] {
        if (!writing_) refresh();
    };
    followRecordChanges(subscriptions_, dataset_, follow);
    subscriptions_.add(dataset_.fieldChanged, [this](const QString& changed) {
        if (!writing_ && changed.compare(column_, Qt::CaseInsensitive) == 0) refresh();
    });
    reloadItems();
}

LookupComboBox::~LookupComboBox() = default;

QString LookupComboBox::currentCode() const { return currentData().toString(); }

void LookupComboBox::reloadItems() {
    clear();
    if (list_.isOpen()) {
        const int code = list_.fieldIndex(codeColumn_);
        const int name = list_.fieldIndex(nameColumn_);
        for (int row = 0; code >= 0 && name >= 0 && row < list_.recordCount(); ++row)
            addItem(list_.valueAt(row, name).toString(), list_.valueAt(row, code));
    }
    refresh();
}

void LookupComboBox::refresh() {
    const QVariant value = dataset_.isOpen() ? dataset_.value(column_) : QVariant();
    int shown = -1;
    for (int i = 0; !value.isNull() && i < count(); ++i) {
        if (itemData(i).toString() == value.toString()) {
            shown = i;
            break;
        }
    }
    setCurrentIndex(shown);
}

void LookupComboBox::choose(int index) {
    if (index < 0) return;
    writing_ = true;
    CommandBoundary::run(messages_, [&] { return dataset_.setValue(column_, itemData(index)); });
    writing_ = false;
    refresh();
}

}  // namespace vantir
