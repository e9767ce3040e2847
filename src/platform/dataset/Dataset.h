#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <memory>
#include <optional>
#include <vector>

#include "platform/dataset/Event.h"
#include "platform/dataset/LookupField.h"
#include "platform/dataset/RecordFilter.h"
#include "platform/dataset/Result.h"
#include "platform/db/ColumnType.h"

namespace vantir {

class Database;

enum class DatasetState { Inactive, Browse, Edit, Insert };

// A named view of a database with record semantics: a current record, a record buffer
// while editing, and the events the screens and record hooks listen to.
//
// Values are QVariant: an invalid QVariant is NULL (distinct from empty text), integer
// columns hold qint64, float columns double, text columns QString. Column names are
// matched without regard to case.
//
// Rows are addressed by position 0..recordCount()-1 in the dataset's order under its
// filter. A table keeps only the row ids in memory and fetches values on demand, so a
// table of a million rows opens and moves to its last row without reading them.
//
// Moving, filtering or refreshing while a record is being edited first posts the buffer
// when it was changed (throwing DbError, with nothing moved, when the post is refused)
// and drops it when it was not, as a record grid does when the cursor leaves a row.
//
// Events come in this order: open: stateChanged, rowsChanged, afterOpen, afterScroll;
// edit: stateChanged, afterEdit; append: stateChanged, afterInsert, afterScroll; post:
// stateChanged, rowsChanged, afterScroll (when the position changed), afterPost; cancel:
// stateChanged, afterScroll (after an insert), afterCancel; remove: stateChanged (when
// editing), rowsChanged, afterScroll, afterDelete; close: stateChanged, rowsChanged,
// afterClose.
class Dataset {
  public:
    Dataset(Database& database, QString name);
    virtual ~Dataset();
    Dataset(const Dataset&) = delete;
    Dataset& operator=(const Dataset&) = delete;

    const QString& name() const { return name_; }
    Database& database() const { return database_; }

    // --- Lifecycle -------------------------------------------------------------------
    void open();   // connects the database when needed; throws DbError
    void close();  // a pending edit is dropped (no afterCancel: the view is going away)
    bool isOpen() const { return state_ != DatasetState::Inactive; }
    DatasetState state() const { return state_; }
    bool isEditing() const;  // Edit or Insert
    // Re-reads the rows (after statements changed the table), keeping the current row
    // when it still exists.
    void refresh();

    // --- Navigation ------------------------------------------------------------------
    void first();
    void next();
    void prior();
    void last();
    bool moveTo(int row);  // false (and no move) when row is out of range
    bool bof() const { return bof_; }
    bool eof() const { return eof_; }
    bool isEmpty() const { return recordCount() == 0; }
    int recordCount() const;
    int recNo() const { return current_; }  // -1 when empty; the insert row while inserting
    // Moves to the first row whose columns equal the values (text compared exactly,
    // NULL matching NULL); false and no move when none does.
    bool locate(const QStringList& columns, const QVariantList& values);
    bool locate(const QString& column, const QVariant& value) {
        return locate(QStringList{column}, QVariantList{value});
    }

    // --- Fields ----------------------------------------------------------------------
    const QList<ColumnInfo>& fields() const { return fields_; }
    int fieldIndex(const QString& column) const;  // -1 when unknown
    bool hasField(const QString& column) const { return fieldIndex(column) >= 0; }
    // Throws DbError naming the column when the dataset has no such column (a view never
    // opened knows none yet).
    void requireColumn(const QString& column) const { requireField(fieldIndex(column), column); }
    // The current record's value (the record buffer while editing); NULL when empty.
    // Throws DbError for a column the dataset does not have.
    QVariant value(const QString& column) const;
    QString text(const QString& column) const;  // NULL reads as ""
    bool isNull(const QString& column) const { return value(column).isNull(); }
    // Values of any row by position without moving the current record (grids use it);
    // while inserting, row recordCount() is the record being inserted.
    QVariant valueAt(int row, int fieldIndex) const;

    // Writes into the record buffer, entering edit mode first when browsing. Refused
    // with a message naming the field when an integer column gets text that is not a
    // whole number, or a text is longer than its column's width in CP932 bytes; the
    // value is then not stored (never cut to fit) and the buffer stays as it was.
    Result setValue(const QString& column, const QVariant& value);
    // The value as typed: "" stays empty text in text columns and is NULL in numeric
    // ones; integer columns parse the text.
    Result setText(const QString& column, const QString& text);
    Result clear(const QString& column) { return setValue(column, QVariant()); }

    // A looked-up field: shown as a read-only column of this dataset, its value taken
    // from resultColumn of the source row whose key equals this row's keyColumn (NULL
    // when none does). Several fields may share one source.
    void addLookupField(const ColumnInfo& field, std::shared_ptr<const LookupSource> source,
                        const QString& keyColumn, const QString& resultColumn);

    // --- Editing ---------------------------------------------------------------------
    // Throw DbError on a closed or read-only dataset.
    void edit();    // Browse -> Edit on the current record (an empty dataset appends)
    void append();  // -> Insert with an empty buffer (every column NULL)
    void insert() { append(); }
    // Writes the buffer; the posted row becomes the current record (when the filter still
    // shows it). A refused post returns the engine's message and keeps the state and the
    // buffer as they were. Only the changed columns of an edited row are written.
    Result post();
    void cancel();  // drops the buffer; an inserted record disappears
    // Deletes the current record (while inserting: drops the new one); the next row
    // becomes current, or the new last row.
    Result remove();
    bool isModified() const { return modified_; }

    // --- Filter ----------------------------------------------------------------------
    // A record filter in the forms "CODE = '12'", "KCODE = 'x' AND (DDAY >= 'a' AND
    // DDAY <= 'b')", with a trailing * inside the quotes for a prefix match. Setting the
    // text and switching it on are separate, as the screens do them in turn.
    // setFilter throws DbError for a text it cannot read, keeping the filter it had;
    // a new filter in force moves to the first row.
    void setFilter(const QString& expression);
    const QString& filter() const { return filterText_; }
    void setFiltered(bool on);
    bool isFiltered() const { return filtered_; }
    // Clearing the filter, switching it off, setting the new text and switching it on
    // again, with one reading of the rows instead of reading the whole table in between
    // (the slip entry's day, a million slips). The rows are read again even when the text
    // is the one in force. Throws DbError for a text it cannot read, keeping the filter.
    void replaceFilter(const QString& expression);

    // --- Events ----------------------------------------------------------------------
    Event<> afterOpen;
    Event<> afterClose;
    Event<> afterScroll;  // the current record changed
    Event<> afterInsert;
    Event<> afterEdit;
    Event<> afterPost;
    Event<> afterCancel;
    Event<> afterDelete;
    Event<> stateChanged;
    Event<const QString&> fieldChanged;  // a buffer value changed (column name)
    Event<> rowsChanged;                 // the set of rows changed: reopen, filter, post, delete

    // Grows each time the rows or their stored values may have changed (open, filter,
    // refresh, post, delete); values derived from the rows compare it to know when to
    // read them again.
    quint64 generation() const { return generation_; }

  protected:
    // What a concrete dataset supplies: its columns, the rows' keys in order, the values
    // of a row, and (for editable datasets) writing a row.
    //
    // The columns of the rows the dataset will show, read without reading rows.
    virtual QList<ColumnInfo> describe() = 0;
    // Reads the rows in order under the filter: an SQL condition over the described
    // columns with named parameters, empty when unfiltered. Throws DbError.
    virtual void load(const QString& filterSql, const Params& filterParams) = 0;
    virtual void unload() = 0;
    virtual int loadedCount() const = 0;
    // The described columns' values of a row (0 <= row < loadedCount()).
    virtual QVariantList fetchRow(int row) const = 0;
    // A row's identity across reloads, and its position after one (-1 when gone). Without
    // stored row ids it is the position itself.
    virtual qint64 rowKey(int row) const { return row; }
    virtual int rowOfKey(qint64 key) const {
        return key >= 0 && key < loadedCount() ? int(key) : -1;
    }
    // The first row whose columns equal the values (see locate); -1 when none does.
    // columns are described columns. The default reads the rows in order.
    virtual int findRow(const QList<int>& columns, const QVariantList& values) const;
    // Write the buffer as a new row and return its key / over the row (only the changed
    // columns) / remove the row from the table and from the loaded rows. Throw DbError
    // on refusal.
    virtual qint64 writeInsert(const QVariantList& values);
    virtual void writeUpdate(int row, const QVariantList& values, const QList<bool>& changed);
    virtual void writeDelete(int row);
    virtual bool isReadOnly() const { return true; }

    // Compares a stored value with a wanted one as locate does.
    static bool sameValue(const QVariant& stored, const QVariant& wanted);

  private:
    void requireOpen() const;
    void requireField(int index, const QString& column) const;
    QString unknownField(const QString& column) const;
    // Reads the rows again; the current row becomes the row with keepKey when it shows,
    // else fallback clamped to the rows (fallback -1: the first row).
    void reload(std::optional<qint64> keepKey, int fallback);
    // Posts a pending change or drops an unchanged one before the rows move or change;
    // throws DbError when the post is refused.
    void checkBrowseMode();
    void setCurrent(int row);
    void setState(DatasetState state);
    int describedCount() const { return int(fields_.size()) - int(lookups_.size()); }
    QVariant storedValue(int row, int field) const;
    QVariant fieldValue(int row, int field) const;
    QStringList describedNames() const;
    RecordFilter::Sql filterSql(const QStringList& columns) const;

    Database& database_;
    QString name_;
    DatasetState state_ = DatasetState::Inactive;
    QList<ColumnInfo> fields_;  // the described columns, then the looked-up fields
    std::vector<std::unique_ptr<LookupField>> lookups_;
    int current_ = -1;
    int rowBeforeInsert_ = -1;
    bool bof_ = true;
    bool eof_ = true;
    QVariantList buffer_;
    QList<bool> changed_;
    bool modified_ = false;
    QString filterText_;
    bool filtered_ = false;
    std::unique_ptr<RecordFilter> filter_;
    quint64 generation_ = 0;
};

}  // namespace vantir
