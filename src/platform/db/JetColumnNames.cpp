#include "platform/db/JetColumnNames.h"

#include <sqlite3.h>

#include <QSet>
#include <vector>

#include "platform/db/SqlTokenizer.h"

namespace vantir {
namespace {

// Every name written after AS in the statement (column and table aliases alike).
QSet<QString> aliasesOf(const QString& sql) {
    QSet<QString> aliases;
    const std::vector<SqlToken> tokens = tokenizeSql(sql);
    bool afterAs = false;
    for (const SqlToken& token : tokens) {
        if (token.isBlank()) continue;
        if (afterAs &&
            (token.kind == SqlToken::Kind::Word || token.kind == SqlToken::Kind::QuotedName ||
             token.kind == SqlToken::Kind::String)) {
            aliases.insert(sqlTokenName(sql, token).toUpper());
        }
        afterAs = token.isWord(sql, u"AS");
    }
    return aliases;
}

// A bare name that is no keyword: what SQLite reports for a column of a view or a
// sub-query. An unnamed expression is reported by its text ("COUNT(*)", "1", "NULL").
bool isPlainName(const QString& name) {
    if (name.isEmpty() || name.front().isDigit()) return false;
    for (const QChar c : name) {
        if (!(c.isLetterOrNumber() || c == QLatin1Char('_') || c.unicode() >= 0x80)) return false;
    }
    const QByteArray utf8 = name.toUtf8();
    return !sqlite3_keyword_check(utf8.constData(), int(utf8.size()));
}

QString utf8(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

}  // namespace

QStringList jetColumnNames(sqlite3_stmt* stmt) {
    const int count = sqlite3_column_count(stmt);
    QStringList names;
    if (count == 0) return names;
    const QSet<QString> aliases = aliasesOf(utf8(sqlite3_sql(stmt)));
    for (int i = 0; i < count; ++i) {
        const QString name = utf8(sqlite3_column_name(stmt, i));
        const QString origin = utf8(sqlite3_column_origin_name(stmt, i));
        if (aliases.contains(name.toUpper())) {
            names << name;
        } else if (!origin.isEmpty()) {
            names << origin;  // the table's own spelling, however the statement wrote it
        } else if (isPlainName(name)) {
            names << name;
        } else {
            names << QStringLiteral("Expr%1").arg(1000 + i);
        }
    }
    QStringList tables;
    for (int i = 0; i < count; ++i) tables << utf8(sqlite3_column_table_name(stmt, i));
    std::vector<bool> shared(count, false);
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            if (names[i].compare(names[j], Qt::CaseInsensitive) == 0 && !tables[i].isEmpty() &&
                !tables[j].isEmpty() && tables[i].compare(tables[j], Qt::CaseInsensitive) != 0) {
                shared[i] = shared[j] = true;
            }
        }
    }
    for (int i = 0; i < count; ++i) {
        if (shared[i]) names[i] = tables[i] + QLatin1Char('.') + names[i];
    }
    return names;
}

}  // namespace vantir
