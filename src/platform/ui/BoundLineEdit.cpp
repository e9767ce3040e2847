#include "platform/ui/BoundLineEdit.h"

#include "platform/dataset/Dataset.h"
#include "platform/dataset/RecordChanges.h"
#include "platform/db/DbError.h"
#include "platform/ui/ByteLimitValidator.h"
#include "platform/ui/FieldHooks.h"

namespace vantir {

BoundLineEdit::BoundLineEdit(Dataset& dataset, QString column, Messages& messages, QWidget* parent)
    : QLineEdit(parent), dataset_(dataset), column_(std::move(column)), messages_(messages) {
    setInputMode(mode_);
    connect(this, &QLineEdit::textEdited, this, [this] { write(); });
    hooks().setBeforeLeave([this] { return finishEditing(); });

    // While this box writes, the dataset may enter edit or insert mode and announce it;
    // the box already shows what it is writing.
    const auto reload = [this] {
        if (!writing_) refresh();
    };
    followRecordChanges(subscriptions_, dataset_, reload);
    subscriptions_.add(dataset_.fieldChanged, [this](const QString& changed) {
        if (!writing_ && changed.compare(column_, Qt::CaseInsensitive) == 0) refresh();
    });
    refresh();
}

BoundLineEdit::~BoundLineEdit() = default;

FieldHooks& BoundLineEdit::hooks() { return FieldHooks::on(*this, messages_); }

void BoundLineEdit::setInputMode(InputMode mode) {
    mode_ = mode;
    applyInputMode(*this, mode);
    if (validator_) validator_->setCountsAsHalfWidth(mode == InputMode::HalfKatakana);
}

void BoundLineEdit::setReadOnly(bool readOnly) {
    QLineEdit::setReadOnly(readOnly);
    applyInputMode(*this, mode_);  // QLineEdit resets the input method with this
}

void BoundLineEdit::setRow(int row) {
    if (row_ == row) return;
    row_ = row;
    refresh();
}

bool BoundLineEdit::isCurrentRow() const { return row_ < 0 || row_ == dataset_.recNo(); }

QVariant BoundLineEdit::shownValue() const {
    const int field = dataset_.isOpen() ? dataset_.fieldIndex(column_) : -1;
    if (field < 0) return {};
    if (isCurrentRow()) return dataset_.value(column_);
    return row_ < dataset_.recordCount() ? dataset_.valueAt(row_, field) : QVariant();
}

void BoundLineEdit::refresh() {
    pending_ = false;
    const QString shown = shownValue().toString();
    // A stored value is shown whole even where typing is limited.
    setValidator(nullptr);
    if (text() != shown) setText(shown);
    applyColumn(shown);
}

void BoundLineEdit::applyColumn(const QString& shown) {
    const int field = dataset_.fieldIndex(column_);
    const ColumnInfo info = field >= 0 ? dataset_.fields().at(field) : ColumnInfo{};
    setAlignment((info.type == ColumnType::Text ? Qt::AlignLeft : Qt::AlignRight) |
                 Qt::AlignVCenter);
    const int width = info.type == ColumnType::Text ? info.width : 0;
    if (validator_ && validator_->maxBytes() != width) {
        delete validator_;
        validator_ = nullptr;
    }
    if (!validator_ && width > 0) validator_ = new ByteLimitValidator(width, this);
    if (!validator_) return;
    validator_->setCountsAsHalfWidth(mode_ == InputMode::HalfKatakana);
    // A value stored longer than the width (older data) can still be shortened by hand.
    if (validator_->bytesOf(shown) <= validator_->maxBytes()) setValidator(validator_);
}

Result BoundLineEdit::write() {
    if (!isCurrentRow()) {
        // Another record is current: this panel's row cannot take typing.
        refresh();
        return Result::success();
    }
    Result result;
    writing_ = true;
    try {
        result = dataset_.setText(column_, text());
    } catch (const DbError& error) {
        result = Result::failure(error.message(), column_);
    }
    writing_ = false;
    pending_ = !result.ok;
    return result;
}

Result BoundLineEdit::commit() { return pending_ ? write() : Result::success(); }

Result BoundLineEdit::finishEditing() {
    const Result result = commit();
    if (!result) {
        selectAll();
        return result;
    }
    // Shows the value as the record holds it ("007" typed into an integer is 7).
    if (!pending_ && isCurrentRow() && text() != shownValue().toString()) refresh();
    return result;
}

Result BoundLineEdit::commitAll(QWidget& window, BoundLineEdit** refused) {
    for (BoundLineEdit* field : window.findChildren<BoundLineEdit*>()) {
        if (!field->hasPendingText()) continue;
        const Result result = field->commit();
        if (result) continue;
        if (refused) *refused = field;
        return result;
    }
    return Result::success();
}

}  // namespace vantir
