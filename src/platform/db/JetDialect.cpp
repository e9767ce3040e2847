#include "platform/db/JetDialect.h"

#include "platform/db/DbError.h"
#include "platform/db/SqlTokenizer.h"

namespace vantir {
namespace {

// The token after `index` that is not a blank or a comment, or nullptr at the end.
const SqlToken* nextSolid(const std::vector<SqlToken>& tokens, std::size_t index) {
    for (std::size_t k = index + 1; k < tokens.size(); ++k) {
        if (!tokens[k].isBlank()) return &tokens[k];
    }
    return nullptr;
}

// The replacement of a function name SQLite cannot call under Jet's name.
QString functionRename(QStringView sql, const SqlToken& token) {
    if (token.isWord(sql, u"LEFT")) return QStringLiteral("JET_LEFT");
    if (token.isWord(sql, u"RIGHT")) return QStringLiteral("JET_RIGHT");
    return {};
}

[[noreturn]] void refuse(const QString& form) {
    throw DbError(QStringLiteral("この SQL の書き方には対応していません: ") + form);
}

// "#03/05/20#" as written, from the opening "#" to the next one.
QString dateLiteral(QStringView sql, const SqlToken& hash) {
    const qsizetype close = sql.indexOf(QLatin1Char('#'), hash.start + 1);
    return sql.mid(hash.start, close < 0 ? sql.size() - hash.start : close - hash.start + 1)
        .toString();
}

// Throws for a Jet form at token k that SQLite would read with another meaning.
void refuseUntranslated(QStringView sql, const std::vector<SqlToken>& tokens, std::size_t k) {
    const SqlToken& token = tokens[k];
    if (token.isSymbol(sql, QLatin1Char('&'))) {
        refuse(QStringLiteral("& による文字列の連結（|| で書いて下さい）"));
    }
    if (token.isSymbol(sql, QLatin1Char('#'))) {
        refuse(QStringLiteral("日付 %1（'yy/mm/dd' の文字列で書いて下さい）")
                   .arg(dateLiteral(sql, token)));
    }
    const SqlToken* next = nextSolid(tokens, k);
    if (!next) return;
    if (token.isWord(sql, u"TOP") && next->kind == SqlToken::Kind::Number) {
        refuse(QStringLiteral("TOP %1（ORDER BY … LIMIT で書いて下さい）")
                   .arg(next->text(sql).toString()));
    }
    if (token.isWord(sql, u"LIKE") && next->kind == SqlToken::Kind::String &&
        next->text(sql).contains(QLatin1Char('*'))) {
        refuse(QStringLiteral("LIKE %1 の *（% で書いて下さい）").arg(next->text(sql).toString()));
    }
}

}  // namespace

QString translateJetSql(const QString& sql) {
    const std::vector<SqlToken> tokens = tokenizeSql(sql);
    QString out;
    out.reserve(sql.size() + 16);
    for (std::size_t k = 0; k < tokens.size(); ++k) {
        const SqlToken& token = tokens[k];
        refuseUntranslated(sql, tokens, k);
        if (token.kind == SqlToken::Kind::Word) {
            const SqlToken* next = nextSolid(tokens, k);
            if (next && next->isSymbol(sql, QLatin1Char('('))) {
                const QString renamed = functionRename(sql, token);
                if (!renamed.isEmpty()) {
                    out += renamed;
                    continue;
                }
            }
        }
        out += token.text(sql);
    }
    return out;
}

QString jetDoubleQuotedTextRefusal(const QString& sql, const QString& engineMessage) {
    static const QString unknownColumn = QStringLiteral("no such column: ");
    if (!engineMessage.startsWith(unknownColumn)) return {};
    const QString unknown = engineMessage.mid(unknownColumn.size());
    for (const SqlToken& token : tokenizeSql(sql)) {
        if (token.kind != SqlToken::Kind::QuotedName || !token.text(sql).startsWith(u'"')) continue;
        if (sqlTokenName(sql, token) == unknown) {
            return QStringLiteral(
                       "この SQL の書き方には対応していません: 二重引用符の文字列 %1"
                       "（文字列は '…' で囲んで下さい。%2 という項目もありません）")
                .arg(token.text(sql).toString(), unknown);
        }
    }
    return {};
}

}  // namespace vantir
