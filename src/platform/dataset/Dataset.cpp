#include "platform/dataset/Dataset.h"

#include "platform/dataset/FieldInput.h"
#include "platform/dataset/ValueKinds.h"
#include "platform/db/Database.h"
#include "platform/db/DbError.h"

namespace vantir {

Dataset::Dataset(Database& database, QString name) : database_(database), name_(std::move(name)) {}

Dataset::~Dataset() = default;

bool Dataset::isEditing() const {
    return state_ == DatasetState::Edit || state_ == DatasetState::Insert;
}

// --- Lifecycle -----------------------------------------------------------------------

void Dataset::open() {
    if (isOpen()) return;
    database_.connection();
    reload(std::nullopt, -1);
    setState(DatasetState::Browse);
    rowsChanged();
    afterOpen();
    afterScroll();
}

void Dataset::close() {
    if (!isOpen()) return;
    buffer_.clear();
    changed_.clear();
    modified_ = false;
    unload();
    current_ = -1;
    bof_ = eof_ = true;
    ++generation_;
    setState(DatasetState::Inactive);
    rowsChanged();
    afterClose();
}

void Dataset::refresh() {
    requireOpen();
    checkBrowseMode();
    std::optional<qint64> key;
    if (current_ >= 0) key = rowKey(current_);
    reload(key, current_);
    rowsChanged();
    afterScroll();
}

void Dataset::reload(std::optional<qint64> keepKey, int fallback) {
    QList<ColumnInfo> described = describe();
    QStringList names;
    for (const ColumnInfo& column : described) names << column.name;
    const RecordFilter::Sql where = filterSql(names);
    unload();
    try {
        load(where.condition, where.params);
    } catch (const DbError&) {
        // Rows that could not be read leave nothing to show: the view closes.
        unload();
        const bool wasOpen = isOpen();
        buffer_.clear();
        changed_.clear();
        modified_ = false;
        current_ = -1;
        bof_ = eof_ = true;
        ++generation_;
        if (wasOpen) {
            setState(DatasetState::Inactive);
            rowsChanged();
            afterClose();
        }
        throw;
    }
    for (const auto& lookup : lookups_) described.append(lookup->field());
    fields_ = std::move(described);
    ++generation_;

    const int count = loadedCount();
    int row = keepKey ? rowOfKey(*keepKey) : -1;
    const bool toFirst = row < 0 && fallback < 0;
    if (row < 0 && count > 0) row = qBound(0, fallback, count - 1);
    current_ = count == 0 ? -1 : row;
    bof_ = count == 0 || toFirst;
    eof_ = count == 0;
}

void Dataset::checkBrowseMode() {
    if (!isEditing()) return;
    if (modified_) {
        const Result posted = post();
        if (!posted) throw DbError(posted.message);
    } else {
        cancel();
    }
}

void Dataset::setState(DatasetState state) {
    if (state_ == state) return;
    state_ = state;
    stateChanged();
}

void Dataset::setCurrent(int row) {
    const int before = current_;
    current_ = row;
    if (before != current_) afterScroll();
}

void Dataset::requireOpen() const {
    if (!isOpen()) throw DbError(QStringLiteral("%1 が開かれていません").arg(name_));
}

QString Dataset::unknownField(const QString& column) const {
    // A view never opened knows no columns yet: say so rather than blame the name.
    if (!isOpen() && describedCount() == 0) {
        return QStringLiteral("%1 が開かれていないため項目 '%2' を読めません").arg(name_, column);
    }
    return QStringLiteral("%1: 項目 '%2' が見つかりません").arg(name_, column);
}

void Dataset::requireField(int index, const QString& column) const {
    if (index < 0) throw DbError(unknownField(column));
}

// --- Navigation ----------------------------------------------------------------------

int Dataset::recordCount() const { return isOpen() ? loadedCount() : 0; }

void Dataset::first() {
    requireOpen();
    checkBrowseMode();
    const int count = loadedCount();
    bof_ = true;
    eof_ = count == 0;
    setCurrent(count == 0 ? -1 : 0);
}

void Dataset::last() {
    requireOpen();
    checkBrowseMode();
    const int count = loadedCount();
    bof_ = count == 0;
    eof_ = true;
    setCurrent(count - 1);
}

void Dataset::next() {
    requireOpen();
    checkBrowseMode();
    if (current_ >= 0 && current_ + 1 < loadedCount()) {
        bof_ = eof_ = false;
        setCurrent(current_ + 1);
    } else {
        eof_ = true;
    }
}

void Dataset::prior() {
    requireOpen();
    checkBrowseMode();
    if (current_ > 0) {
        bof_ = eof_ = false;
        setCurrent(current_ - 1);
    } else {
        bof_ = true;
    }
}

bool Dataset::moveTo(int row) {
    requireOpen();
    if (row < 0 || row >= loadedCount()) return false;
    checkBrowseMode();
    if (row >= loadedCount()) return false;  // the post changed the rows
    bof_ = eof_ = false;
    setCurrent(row);
    return true;
}

bool Dataset::locate(const QStringList& columns, const QVariantList& values) {
    requireOpen();
    if (columns.size() != values.size() || columns.isEmpty()) {
        throw DbError(QStringLiteral("%1: 検索する項目と値の数が合いません").arg(name_));
    }
    QList<int> indexes;
    bool looksUp = false;
    for (const QString& column : columns) {
        const int index = fieldIndex(column);
        requireField(index, column);
        looksUp = looksUp || index >= describedCount();
        indexes << index;
    }
    checkBrowseMode();
    const int row = looksUp ? Dataset::findRow(indexes, values) : findRow(indexes, values);
    if (row < 0) return false;
    bof_ = eof_ = false;
    setCurrent(row);
    return true;
}

int Dataset::findRow(const QList<int>& columns, const QVariantList& values) const {
    const int count = loadedCount();
    for (int row = 0; row < count; ++row) {
        bool all = true;
        for (int i = 0; i < columns.size() && all; ++i) {
            all = sameValue(fieldValue(row, columns[i]), values[i]);
        }
        if (all) return row;
    }
    return -1;
}

bool Dataset::sameValue(const QVariant& stored, const QVariant& wanted) {
    if (wanted.isNull() || stored.isNull()) return wanted.isNull() && stored.isNull();
    if (isNumber(stored) && isNumber(wanted)) {
        if (isWholeNumber(stored) && isWholeNumber(wanted)) {
            return stored.toLongLong() == wanted.toLongLong();
        }
        return stored.toDouble() == wanted.toDouble();
    }
    return stored.toString() == wanted.toString();
}

// --- Fields --------------------------------------------------------------------------

int Dataset::fieldIndex(const QString& column) const {
    for (int i = 0; i < fields_.size(); ++i) {
        if (fields_[i].name.compare(column, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

QStringList Dataset::describedNames() const {
    QStringList names;
    for (int i = 0; i < describedCount(); ++i) names << fields_[i].name;
    return names;
}

QVariant Dataset::value(const QString& column) const {
    const int index = fieldIndex(column);
    requireField(index, column);
    return valueAt(current_, index);
}

QString Dataset::text(const QString& column) const {
    const QVariant v = value(column);
    return v.isNull() ? QString() : v.toString();
}

QVariant Dataset::valueAt(int row, int fieldIndex) const {
    if (!isOpen() || fieldIndex < 0 || fieldIndex >= fields_.size()) return {};
    if (isEditing() && row == current_) {
        if (fieldIndex < describedCount()) return buffer_.value(fieldIndex);
        const LookupField& lookup = *lookups_[fieldIndex - describedCount()];
        const int key = this->fieldIndex(lookup.keyColumn());
        requireField(key, lookup.keyColumn());
        return lookup.valueFor(valueAt(row, key));
    }
    if (row < 0 || row >= loadedCount()) return {};
    return fieldValue(row, fieldIndex);
}

QVariant Dataset::storedValue(int row, int field) const { return fetchRow(row).value(field); }

QVariant Dataset::fieldValue(int row, int field) const {
    if (field < describedCount()) return storedValue(row, field);
    const LookupField& lookup = *lookups_[field - describedCount()];
    const int key = fieldIndex(lookup.keyColumn());
    requireField(key, lookup.keyColumn());
    return lookup.valueFor(fieldValue(row, key));
}

Result Dataset::setValue(const QString& column, const QVariant& value) {
    requireOpen();
    const int index = fieldIndex(column);
    requireField(index, column);
    const ColumnInfo& field = fields_[index];
    if (index >= describedCount()) {
        return Result::failure(
            QStringLiteral("項目 '%1' は他の表から引く値のため変更できません").arg(field.name),
            field.name);
    }
    if (isReadOnly()) {
        return Result::failure(QStringLiteral("%1 は読み取り専用です").arg(name_), field.name);
    }
    QVariant stored;
    const Result converted = FieldInput::convert(field, value, &stored);
    if (!converted) return converted;
    if (!isEditing()) edit();
    buffer_[index] = stored;
    changed_[index] = true;
    modified_ = true;
    fieldChanged(field.name);
    return Result::success();
}

Result Dataset::setText(const QString& column, const QString& text) {
    return setValue(column, QVariant(text));
}

void Dataset::addLookupField(const ColumnInfo& field, std::shared_ptr<const LookupSource> source,
                             const QString& keyColumn, const QString& resultColumn) {
    lookups_.push_back(
        std::make_unique<LookupField>(field, std::move(source), keyColumn, resultColumn));
    fields_.append(field);
}

// --- Editing -------------------------------------------------------------------------

void Dataset::edit() {
    requireOpen();
    if (isReadOnly()) throw DbError(QStringLiteral("%1 は読み取り専用です").arg(name_));
    if (isEditing()) return;
    if (loadedCount() == 0) {
        append();
        return;
    }
    buffer_ = fetchRow(current_);
    while (buffer_.size() < describedCount()) buffer_.append(QVariant());
    changed_ = QList<bool>(describedCount(), false);
    modified_ = false;
    setState(DatasetState::Edit);
    afterEdit();
}

void Dataset::append() {
    requireOpen();
    if (isReadOnly()) throw DbError(QStringLiteral("%1 は読み取り専用です").arg(name_));
    checkBrowseMode();
    rowBeforeInsert_ = current_;
    buffer_ = QVariantList(describedCount(), QVariant());
    changed_ = QList<bool>(describedCount(), false);
    modified_ = false;
    bof_ = eof_ = false;
    current_ = loadedCount();
    setState(DatasetState::Insert);
    afterInsert();
    afterScroll();
}

Result Dataset::post() {
    if (!isEditing()) return Result::success();
    const bool inserting = state_ == DatasetState::Insert;
    const int before = current_;
    const int fallback = inserting ? rowBeforeInsert_ : current_;
    qint64 key = 0;
    try {
        if (inserting) {
            key = writeInsert(buffer_);
        } else {
            key = rowKey(current_);
            writeUpdate(current_, buffer_, changed_);
        }
    } catch (const DbError& refused) {
        return Result::failure(refused.message());
    }
    buffer_.clear();
    changed_.clear();
    modified_ = false;
    state_ = DatasetState::Browse;
    reload(key, fallback);
    stateChanged();
    rowsChanged();
    if (inserting || current_ != before) afterScroll();
    afterPost();
    return Result::success();
}

void Dataset::cancel() {
    if (!isEditing()) return;
    const bool inserting = state_ == DatasetState::Insert;
    const int before = current_;
    buffer_.clear();
    changed_.clear();
    modified_ = false;
    if (inserting) {
        const int count = loadedCount();
        current_ = count == 0 ? -1 : qBound(0, rowBeforeInsert_, count - 1);
        bof_ = eof_ = count == 0;
    }
    setState(DatasetState::Browse);
    if (current_ != before) afterScroll();
    afterCancel();
}

Result Dataset::remove() {
    requireOpen();
    if (state_ == DatasetState::Insert) {
        cancel();
        return Result::success();
    }
    if (isReadOnly()) return Result::failure(QStringLiteral("%1 は読み取り専用です").arg(name_));
    if (current_ < 0 || loadedCount() == 0) {
        return Result::failure(QStringLiteral("削除するレコードがありません"));
    }
    try {
        writeDelete(current_);
    } catch (const DbError& refused) {
        return Result::failure(refused.message());
    }
    const bool wasEditing = state_ == DatasetState::Edit;
    buffer_.clear();
    changed_.clear();
    modified_ = false;
    state_ = DatasetState::Browse;
    ++generation_;
    const int count = loadedCount();
    current_ = count == 0 ? -1 : qMin(current_, count - 1);
    bof_ = eof_ = count == 0;
    if (wasEditing) stateChanged();
    rowsChanged();
    afterScroll();
    afterDelete();
    return Result::success();
}

qint64 Dataset::writeInsert(const QVariantList&) {
    throw DbError(QStringLiteral("%1 は読み取り専用です").arg(name_));
}

void Dataset::writeUpdate(int, const QVariantList&, const QList<bool>&) {
    throw DbError(QStringLiteral("%1 は読み取り専用です").arg(name_));
}

void Dataset::writeDelete(int) {
    throw DbError(QStringLiteral("%1 は読み取り専用です").arg(name_));
}

// --- Filter --------------------------------------------------------------------------

RecordFilter::Sql Dataset::filterSql(const QStringList& columns) const {
    if (!filtered_ || !filter_ || filter_->isEmpty()) return {};
    return filter_->toSql(columns);
}

void Dataset::setFilter(const QString& expression) {
    auto parsed = std::make_unique<RecordFilter>(expression);
    const bool inForce = isOpen() && filtered_;
    if (inForce) {
        parsed->toSql(describedNames());  // refuses an unknown column before anything changes
        checkBrowseMode();
    }
    const QString before = filter_ ? filter_->expression() : QString();
    filterText_ = expression;
    filter_ = std::move(parsed);
    if (inForce && before.trimmed() != expression.trimmed()) {
        reload(std::nullopt, -1);
        rowsChanged();
        afterScroll();
    }
}

void Dataset::replaceFilter(const QString& expression) {
    auto parsed = std::make_unique<RecordFilter>(expression);
    if (isOpen()) {
        parsed->toSql(describedNames());  // refuses an unknown column before anything changes
        checkBrowseMode();
    }
    filterText_ = expression;
    filter_ = std::move(parsed);
    filtered_ = true;
    if (!isOpen()) return;
    reload(std::nullopt, -1);
    rowsChanged();
    afterScroll();
}

void Dataset::setFiltered(bool on) {
    if (on == filtered_) return;
    const bool changesRows = isOpen() && filter_ && !filter_->isEmpty();
    if (changesRows) {
        if (on) filter_->toSql(describedNames());
        checkBrowseMode();
    }
    filtered_ = on;
    if (changesRows) {
        reload(std::nullopt, -1);
        rowsChanged();
        afterScroll();
    }
}

}  // namespace vantir
