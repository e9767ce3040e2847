#pragma once

#include <QString>
#include <QStringView>
#include <vector>

namespace vantir {

// One lexical piece of an SQL statement, as a span of the statement's text. The Jet
// dialect and the result-column naming read statements through these tokens so that
// nothing inside a quoted literal or a comment is ever taken for SQL.
struct SqlToken {
    enum class Kind {
        Space,       // blanks and line breaks
        Comment,     // -- to the end of the line, or /* ... */
        Word,        // keyword or bare name (letters, digits, '_', any non-ASCII character)
        QuotedName,  // "name", [name] or `name`
        String,      // 'text' with doubled quotes inside
        Number,      // 12, 1.5, 1e3, .5
        Parameter,   // :KCODE, ?, ?1, @name, $name
        Symbol,      // any other single character: ( ) , * = < > & ...
    };
    Kind kind;
    qsizetype start;
    qsizetype length;

    QStringView text(QStringView sql) const { return sql.mid(start, length); }
    bool isWord(QStringView sql, QStringView word) const {
        return kind == Kind::Word && text(sql).compare(word, Qt::CaseInsensitive) == 0;
    }
    bool isSymbol(QStringView sql, QChar symbol) const {
        return kind == Kind::Symbol && sql.at(start) == symbol;
    }
    bool isBlank() const { return kind == Kind::Space || kind == Kind::Comment; }
};

// Splits a statement into tokens covering every character of it, in order. An
// unterminated literal or comment runs to the end; the engine reports it.
std::vector<SqlToken> tokenizeSql(QStringView sql);

// The name a word or quoted-name token stands for: the quotes removed and doubled
// quotes undone ("[件 数]" -> "件 数").
QString sqlTokenName(QStringView sql, const SqlToken& token);

}  // namespace vantir
