#include "platform/db/JetDialect.h"

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

}  // namespace

QString translateJetSql(const QString& sql) {
    const std::vector<SqlToken> tokens = tokenizeSql(sql);
    QString out;
    out.reserve(sql.size() + 16);
    for (std::size_t k = 0; k < tokens.size(); ++k) {
        const SqlToken& token = tokens[k];
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

}  // namespace vantir
