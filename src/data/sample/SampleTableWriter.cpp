#include "data/sample/SampleTableWriter.h"

#include <stdexcept>

#include "data/Schema.h"
#include "platform/db/Connection.h"
#include "platform/text/Cp932.h"

namespace vantir {

namespace {

const TableLayout& declared(const QString& table) {
    const TableLayout* layout = Schema::find(table);
    if (layout == nullptr) throw std::logic_error("no declared table " + table.toStdString());
    return *layout;
}

QString insertStatement(const TableLayout& layout) {
    QStringList marks;
    for (qsizetype i = 0; i < layout.columns.size(); ++i) marks.append(QStringLiteral("?"));
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(layout.name, layout.columnNames().join(QLatin1Char(',')),
             marks.join(QLatin1Char(',')));
}

}  // namespace

SampleTableWriter::SampleTableWriter(Connection& connection, const QString& table)
    : layout_(declared(table)),
      insert_(connection.prepare(insertStatement(layout_))),
      row_(layout_.columns.size()) {}

int SampleTableWriter::column(const char* name) const {
    for (qsizetype i = 0; i < layout_.columns.size(); ++i) {
        if (layout_.columns[i].name == QLatin1String(name)) return int(i);
    }
    throw std::logic_error(layout_.name.toStdString() + " has no column " + name);
}

void SampleTableWriter::write() {
    for (qsizetype i = 0; i < row_.size(); ++i) {
        const ColumnInfo& info = layout_.columns[i];
        QVariant& value = row_[i];
        if (info.type == ColumnType::Text && info.width > 0 && !value.isNull() &&
            cp932::byteLength(value.toString()) > info.width) {
            throw std::logic_error(QStringLiteral("%1.%2: \"%3\" is wider than %4 bytes")
                                       .arg(layout_.name, info.name, value.toString())
                                       .arg(info.width)
                                       .toStdString());
        }
        insert_.bind(int(i) + 1, value);
        value = QVariant();
    }
    insert_.step();
    insert_.reset();
}

}  // namespace vantir
