#include "platform/db/SqlTokenizer.h"

namespace vantir {
namespace {

bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c.unicode() >= 0x80;
}

// Index just past a quoted run that opened at `start` and closes with `close`; a
// doubled closing character stands for one inside the run.
qsizetype endOfQuoted(QStringView sql, qsizetype start, QChar close, bool doubledEscapes) {
    qsizetype i = start + 1;
    while (i < sql.size()) {
        if (sql.at(i) == close) {
            if (doubledEscapes && i + 1 < sql.size() && sql.at(i + 1) == close) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return sql.size();
}

qsizetype endOfNumber(QStringView sql, qsizetype i) {
    const auto digitAt = [&](qsizetype at) { return at < sql.size() && sql.at(at).isDigit(); };
    while (digitAt(i)) ++i;
    if (i < sql.size() && sql.at(i) == QLatin1Char('.')) {
        ++i;
        while (digitAt(i)) ++i;
    }
    if (i < sql.size() && (sql.at(i) == QLatin1Char('e') || sql.at(i) == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < sql.size() && (sql.at(j) == QLatin1Char('+') || sql.at(j) == QLatin1Char('-'))) ++j;
        if (digitAt(j)) {
            i = j;
            while (digitAt(i)) ++i;
        }
    }
    return i;
}

}  // namespace

std::vector<SqlToken> tokenizeSql(QStringView sql) {
    std::vector<SqlToken> tokens;
    qsizetype i = 0;
    const qsizetype n = sql.size();
    const auto at = [&](qsizetype k) { return k < n ? sql.at(k) : QChar(); };
    while (i < n) {
        const QChar c = sql.at(i);
        qsizetype end = i + 1;
        SqlToken::Kind kind = SqlToken::Kind::Symbol;
        if (c.isSpace()) {
            kind = SqlToken::Kind::Space;
            while (end < n && sql.at(end).isSpace()) ++end;
        } else if (c == QLatin1Char('-') && at(i + 1) == QLatin1Char('-')) {
            kind = SqlToken::Kind::Comment;
            while (end < n && sql.at(end) != QLatin1Char('\n')) ++end;
        } else if (c == QLatin1Char('/') && at(i + 1) == QLatin1Char('*')) {
            kind = SqlToken::Kind::Comment;
            const qsizetype close = sql.indexOf(u"*/", i + 2);
            end = close < 0 ? n : close + 2;
        } else if (c == QLatin1Char('\'')) {
            kind = SqlToken::Kind::String;
            end = endOfQuoted(sql, i, c, true);
        } else if (c == QLatin1Char('"') || c == QLatin1Char('`')) {
            kind = SqlToken::Kind::QuotedName;
            end = endOfQuoted(sql, i, c, true);
        } else if (c == QLatin1Char('[')) {
            kind = SqlToken::Kind::QuotedName;
            end = endOfQuoted(sql, i, QLatin1Char(']'), false);
        } else if (c.isDigit() || (c == QLatin1Char('.') && at(i + 1).isDigit())) {
            kind = SqlToken::Kind::Number;
            end = endOfNumber(sql, i);
            while (end < n && isWordChar(sql.at(end))) ++end;  // 0x1F and the like
        } else if (c == QLatin1Char('?')) {
            kind = SqlToken::Kind::Parameter;
            while (end < n && sql.at(end).isDigit()) ++end;
        } else if ((c == QLatin1Char(':') || c == QLatin1Char('@') || c == QLatin1Char('$')) &&
                   isWordChar(at(i + 1))) {
            kind = SqlToken::Kind::Parameter;
            while (end < n && isWordChar(sql.at(end))) ++end;
        } else if (isWordChar(c)) {
            kind = SqlToken::Kind::Word;
            while (end < n && (isWordChar(sql.at(end)) || sql.at(end) == QLatin1Char('$'))) ++end;
        }
        tokens.push_back(SqlToken{kind, i, end - i});
        i = end;
    }
    return tokens;
}

QString sqlTokenName(QStringView sql, const SqlToken& token) {
    const QStringView text = token.text(sql);
    if (token.kind != SqlToken::Kind::QuotedName || text.size() < 2) return text.toString();
    const QChar open = text.front();
    QString inner = text.mid(1, text.size() - 2).toString();
    if (open == QLatin1Char('[')) return inner;
    return inner.replace(QString(2, open), QString(open));
}

}  // namespace vantir
