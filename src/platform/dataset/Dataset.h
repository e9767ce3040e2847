#pragma once

#include "platform/dataset/Event.h"
#include "platform/dataset/Result.h"
#include "platform/db/ColumnType.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <memory>

namespace vantir {

class Database;
class RecordFilter;

enum class DatasetState { Inactive, Browse, Edit, Insert };

// A named view of a database with record semantics: a current record, a record buffer
// while editing, and the events the screens and record hooks listen to.
//
// Values are QVariant: an invalid QVariant is NULL (distinct from empty text), integer
// columns hold qint64, float columns double, text columns QString. Column names are
// matched without regard to case.
//
// Rows are addressed by position 0..recordCount()-1 in the dataset's order under its
// filter. Implementations keep only the row keys in memory and fetch values on demand,
// so a table of a million rows opens and moves to its last row without reading them.
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
    void close();  // a pending edit is cancelled
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
    // The current record's value (the record buffer while editing); NULL when empty.
    QVariant value(const QString& column) const;
    QString text(const QString& column) const;  // NULL reads as ""
    bool isNull(const QString& column) const { return value(column).isNull(); }
    // Values of any row by position without moving the current record (grids use it).
    QVariant valueAt(int row, int fieldIndex) const;

    // Writes into the record buffer, entering edit mode first when browsing. Refused
    // with a message naming the field when an integer column gets text that is not a
    // whole number, or a text is longer than its column's width in CP932 bytes.
    Result setValue(const QString& column, const QVariant& value);
    // The value as typed: "" stays empty text in text columns and is NULL in numeric
    // ones; integer columns parse the text.
    Result setText(const QString& column, const QString& text);
    Result clear(const QString& column) { return setValue(column, QVariant()); }

    // A looked-up field: shown as a read-only column of this dataset, its value taken
    // from resultColumn of the row of source whose sourceKey equals this row's keyColumn
    // (NULL when none does). source is opened when needed.
    void addLookupField(const ColumnInfo& field, Dataset& source, const QString& keyColumn,
                        const QString& sourceKey, const QString& resultColumn);

    // --- Editing ---------------------------------------------------------------------
    void edit();    // Browse -> Edit on the current record (an empty dataset appends)
    void append();  // -> Insert with an empty buffer (every column NULL)
    void insert() { append(); }
    // Writes the buffer. A refused post keeps the state and the buffer as they were.
    Result post();
    void cancel();  // drops the buffer; an inserted record disappears
    Result remove();  // deletes the current record
    bool isModified() const { return modified_; }

    // --- Filter ----------------------------------------------------------------------
    // A record filter in the forms "CODE = '12'", "KCODE = 'x' AND (DDAY >= 'a' AND
    // DDAY <= 'b')", with a trailing * inside the quotes for a prefix match. Setting the
    // text and switching it on are separate, as the screens do them in turn.
    // setFilter throws DbError for a text it cannot read.
    void setFilter(const QString& expression);
    const QString& filter() const { return filterText_; }
    void setFiltered(bool on);
    bool isFiltered() const { return filtered_; }

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

protected:
    // What a concrete dataset supplies: the rows' keys in order, the values of a row,
    // and (for editable datasets) writing a row.
    // Reads the field list and the ordered row keys under the filter (SQL WHERE text
    // and parameters built from the record filter, empty when unfiltered).
    virtual void load(const QString& filterSql, const QVariantList& filterParams) = 0;
    virtual int loadedCount() const = 0;
    virtual QVariantList fetchRow(int row) const = 0;
    virtual void unload() = 0;
    // Write the buffer as a new row / over the row; return its position afterwards
    // (-1 when it no longer shows under the filter). Throw DbError on refusal.
    virtual int writeInsert(const QVariantList& values);
    virtual int writeUpdate(int row, const QVariantList& values);
    virtual void writeDelete(int row);
    virtual bool isReadOnly() const { return true; }

    void setFields(QList<ColumnInfo> fields) { fields_ = std::move(fields); }
    void invalidateCache() const;

private:
    void reload();
    void setCurrent(int row);
    void setState(DatasetState state);
    Result checkValue(int field, const QVariant& value, QVariant* stored) const;

    Database& database_;
    QString name_;
    DatasetState state_ = DatasetState::Inactive;
    QList<ColumnInfo> fields_;
    int current_ = -1;
    bool bof_ = true;
    bool eof_ = true;
    QVariantList buffer_;
    bool modified_ = false;
    QString filterText_;
    bool filtered_ = false;
    std::unique_ptr<RecordFilter> filter_;
    mutable struct RowCache* cache_ = nullptr;
};

}  // namespace vantir
