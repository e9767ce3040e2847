#pragma once

#include <QString>

namespace vantir {

// The column types of the system's tables. Text widths are bytes of Shift_JIS.
enum class ColumnType { Text, Int, Small, Float };

struct ColumnInfo {
    QString name;
    ColumnType type = ColumnType::Text;
    int width = 0;  // text columns: CP932 bytes; 0 when not limited
};

// Reads a declared SQL type ("VARCHAR(30)", "Char(2)", "text(6)", "INT", "SMALLINT",
// "small", "float", "DOUBLE", "" for an expression) into a column type and width.
ColumnInfo columnInfoFromDeclaredType(const QString& name, const QString& declaredType);

// The declared type this system writes when it creates a column of the type.
QString declaredTypeFor(ColumnType type, int width);

}  // namespace vantir
