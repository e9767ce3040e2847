#include "platform/db/ColumnType.h"

#include <QRegularExpression>

namespace vantir {
namespace {

// The width in "VARCHAR(30)" or "Char(2)"; 0 when none is given.
int widthOf(const QString& declaredType) {
    static const QRegularExpression width(QStringLiteral(R"(\(\s*(\d+))"));
    const QRegularExpressionMatch match = width.match(declaredType);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

// The type as the older files and this system write it; anything else by SQLite's own
// affinity rules (a type naming INT is whole, CHAR/TEXT/CLOB text, REAL/FLOA/DOUB float).
ColumnType typeOf(const QString& declaredType) {
    const QString base = declaredType.section(QLatin1Char('('), 0, 0).trimmed().toUpper();
    if (base == QLatin1String("SMALLINT") || base == QLatin1String("SMALL") ||
        base == QLatin1String("SHORT") || base == QLatin1String("TINYINT") ||
        base == QLatin1String("BYTE") || base == QLatin1String("BIT"))
        return ColumnType::Small;
    if (base.contains(QLatin1String("INT")) || base == QLatin1String("LONG") ||
        base == QLatin1String("COUNTER"))
        return ColumnType::Int;
    if (base.contains(QLatin1String("CHAR")) || base.contains(QLatin1String("TEXT")) ||
        base.contains(QLatin1String("CLOB")))
        return ColumnType::Text;
    if (base.contains(QLatin1String("REAL")) || base.contains(QLatin1String("FLOA")) ||
        base.contains(QLatin1String("DOUB")) || base == QLatin1String("NUMERIC") ||
        base == QLatin1String("DECIMAL") || base == QLatin1String("CURRENCY"))
        return ColumnType::Float;
    return ColumnType::Text;
}

}  // namespace

ColumnInfo columnInfoFromDeclaredType(const QString& name, const QString& declaredType) {
    ColumnInfo info;
    info.name = name;
    info.type = typeOf(declaredType);
    info.width = info.type == ColumnType::Text ? widthOf(declaredType) : 0;
    return info;
}

QString declaredTypeFor(ColumnType type, int width) {
    switch (type) {
        case ColumnType::Int:
            return QStringLiteral("INT");
        case ColumnType::Small:
            return QStringLiteral("SMALLINT");
        case ColumnType::Float:
            return QStringLiteral("DOUBLE");
        case ColumnType::Text:
            break;
    }
    return width > 0 ? QStringLiteral("VARCHAR(%1)").arg(width) : QStringLiteral("VARCHAR");
}

}  // namespace vantir
