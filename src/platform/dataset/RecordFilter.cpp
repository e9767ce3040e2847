#include "platform/dataset/RecordFilter.h"

#include <vector>

#include "platform/db/DbError.h"
#include "platform/db/SqlQuote.h"

namespace vantir {

namespace {

enum class TokenKind { Name, Text, Number, Operator, Open, Close, And, Or, Not, Is, Null, End };

struct Token {
    TokenKind kind = TokenKind::End;
    QString text;  // the name, the text without quotes, the number or the operator
    int position = 0;
};

struct Operand {
    enum class Kind { Column, Text, Number } kind = Kind::Column;
    QString text;
    QVariant number;
};

}  // namespace

struct RecordFilter::Node {
    enum class Kind { And, Or, Not, Compare, NullTest } kind = Kind::Compare;
    std::vector<std::unique_ptr<Node>> children;  // And, Or, Not
    QString op;                                   // Compare
    Operand left;                                 // Compare; the column of a NullTest
    Operand right;                                // Compare
    bool negated = false;                         // NullTest: IS NOT NULL
};

namespace {

using Node = RecordFilter::Node;

[[noreturn]] void refuse(const QString& expression, int position, const QString& reason) {
    throw DbError(QStringLiteral("フィルタ \"%1\" を読めません（%2 文字目）: %3")
                      .arg(expression)
                      .arg(position + 1)
                      .arg(reason));
}

std::vector<Token> tokenize(const QString& s) {
    std::vector<Token> tokens;
    int i = 0;
    const int n = int(s.size());
    while (i < n) {
        const QChar c = s.at(i);
        if (c.isSpace()) {
            ++i;
            continue;
        }
        Token token;
        token.position = i;
        if (c == QLatin1Char('\'')) {
            ++i;
            bool closed = false;
            while (i < n) {
                if (s.at(i) == QLatin1Char('\'')) {
                    if (i + 1 < n && s.at(i + 1) == QLatin1Char('\'')) {
                        token.text += QLatin1Char('\'');
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                token.text += s.at(i++);
            }
            if (!closed) refuse(s, token.position, QStringLiteral("引用符 ' が閉じていません"));
            token.kind = TokenKind::Text;
        } else if (c.isDigit() || ((c == QLatin1Char('-') || c == QLatin1Char('+')) && i + 1 < n &&
                                   s.at(i + 1).isDigit())) {
            token.text += s.at(i++);
            while (i < n && (s.at(i).isDigit() || s.at(i) == QLatin1Char('.'))) {
                token.text += s.at(i++);
            }
            token.kind = TokenKind::Number;
        } else if (c.isLetter() || c == QLatin1Char('_')) {
            while (i < n && (s.at(i).isLetterOrNumber() || s.at(i) == QLatin1Char('_'))) {
                token.text += s.at(i++);
            }
            const QString upper = token.text.toUpper();
            if (upper == QLatin1String("AND"))
                token.kind = TokenKind::And;
            else if (upper == QLatin1String("OR"))
                token.kind = TokenKind::Or;
            else if (upper == QLatin1String("NOT"))
                token.kind = TokenKind::Not;
            else if (upper == QLatin1String("IS"))
                token.kind = TokenKind::Is;
            else if (upper == QLatin1String("NULL"))
                token.kind = TokenKind::Null;
            else
                token.kind = TokenKind::Name;
        } else if (c == QLatin1Char('(') || c == QLatin1Char(')')) {
            token.kind = c == QLatin1Char('(') ? TokenKind::Open : TokenKind::Close;
            ++i;
        } else if (c == QLatin1Char('=') || c == QLatin1Char('<') || c == QLatin1Char('>') ||
                   c == QLatin1Char('!')) {
            const QString two = s.mid(i, 2);
            if (two == QLatin1String("<>") || two == QLatin1String("<=") ||
                two == QLatin1String(">=") || two == QLatin1String("!=")) {
                token.text = two == QLatin1String("!=") ? QStringLiteral("<>") : two;
                i += 2;
            } else if (c == QLatin1Char('!')) {
                refuse(s, i, QStringLiteral("'!' は読めない文字です"));
            } else {
                token.text = c;
                ++i;
            }
            token.kind = TokenKind::Operator;
        } else {
            refuse(s, i, QStringLiteral("'%1' は読めない文字です").arg(c));
        }
        tokens.push_back(token);
    }
    Token end;
    end.position = n;
    tokens.push_back(end);
    return tokens;
}

// expression := and {OR and};  and := unary {AND unary};  unary := NOT unary | primary
// primary := '(' expression ')' | operand operator operand | name IS [NOT] NULL
class Parser {
  public:
    Parser(const QString& expression, std::vector<Token> tokens)
        : expression_(expression), tokens_(std::move(tokens)) {}

    std::unique_ptr<Node> parseAll() {
        auto root = parseOr();
        if (peek().kind != TokenKind::End) {
            const Token& t = peek();
            refuse(expression_, t.position,
                   QStringLiteral("式の後に余分な '%1' があります")
                       .arg(expression_.mid(t.position).section(QLatin1Char(' '), 0, 0)));
        }
        return root;
    }

  private:
    const Token& peek() const { return tokens_[next_]; }
    const Token& take() { return tokens_[next_++]; }

    std::unique_ptr<Node> parseJoined(TokenKind joiner, Node::Kind kind,
                                      std::unique_ptr<Node> (Parser::*part)()) {
        auto first = (this->*part)();
        if (peek().kind != joiner) return first;
        auto node = std::make_unique<Node>();
        node->kind = kind;
        node->children.push_back(std::move(first));
        while (peek().kind == joiner) {
            take();
            node->children.push_back((this->*part)());
        }
        return node;
    }
    std::unique_ptr<Node> parseOr() {
        return parseJoined(TokenKind::Or, Node::Kind::Or, &Parser::parseAnd);
    }
    std::unique_ptr<Node> parseAnd() {
        return parseJoined(TokenKind::And, Node::Kind::And, &Parser::parseUnary);
    }
    std::unique_ptr<Node> parseUnary() {
        if (peek().kind != TokenKind::Not) return parsePrimary();
        take();
        auto node = std::make_unique<Node>();
        node->kind = Node::Kind::Not;
        node->children.push_back(parseUnary());
        return node;
    }
    std::unique_ptr<Node> parsePrimary() {
        if (peek().kind == TokenKind::Open) {
            take();
            auto inner = parseOr();
            if (peek().kind != TokenKind::Close) {
                refuse(expression_, peek().position, QStringLiteral("閉じ括弧 ) がありません"));
            }
            take();
            return inner;
        }
        auto node = std::make_unique<Node>();
        node->left = parseOperand();
        if (peek().kind == TokenKind::Is) {
            return parseIsNull(std::move(node));
        }
        if (peek().kind != TokenKind::Operator) {
            refuse(expression_, peek().position,
                   QStringLiteral("比較の演算子 (=, <>, <, <=, >, >=) がありません"));
        }
        node->op = take().text;
        if (peek().kind == TokenKind::Null) {
            const Token& null = take();
            if (node->op != QLatin1String("=") && node->op != QLatin1String("<>")) {
                refuse(expression_, null.position,
                       QStringLiteral("NULL と比べられるのは = と <> だけです"));
            }
            requireColumn(node->left, null.position);
            node->kind = Node::Kind::NullTest;
            node->negated = node->op == QLatin1String("<>");
            return node;
        }
        node->right = parseOperand();
        node->kind = Node::Kind::Compare;
        return node;
    }
    std::unique_ptr<Node> parseIsNull(std::unique_ptr<Node> node) {
        const Token& is = take();
        requireColumn(node->left, is.position);
        if (peek().kind == TokenKind::Not) {
            take();
            node->negated = true;
        }
        if (peek().kind != TokenKind::Null) {
            refuse(expression_, peek().position, QStringLiteral("IS の後に NULL がありません"));
        }
        take();
        node->kind = Node::Kind::NullTest;
        return node;
    }
    void requireColumn(const Operand& operand, int position) const {
        if (operand.kind != Operand::Kind::Column) {
            refuse(expression_, position, QStringLiteral("NULL と比べるのは項目名です"));
        }
    }
    Operand parseOperand() {
        const Token& t = take();
        Operand operand;
        operand.text = t.text;
        switch (t.kind) {
            case TokenKind::Name:
                operand.kind = Operand::Kind::Column;
                return operand;
            case TokenKind::Text:
                operand.kind = Operand::Kind::Text;
                return operand;
            case TokenKind::Number: {
                operand.kind = Operand::Kind::Number;
                bool ok = false;
                const qint64 whole = t.text.toLongLong(&ok);
                if (ok) {
                    operand.number = whole;
                    return operand;
                }
                const double value = t.text.toDouble(&ok);
                if (!ok) {
                    refuse(expression_, t.position,
                           QStringLiteral("'%1' は数値として読めません").arg(t.text));
                }
                operand.number = value;
                return operand;
            }
            default:
                refuse(expression_, t.position,
                       QStringLiteral("項目名、'文字列' または数値が必要です"));
        }
    }

    const QString& expression_;
    std::vector<Token> tokens_;
    size_t next_ = 0;
};

class SqlWriter {
  public:
    SqlWriter(const QString& expression, const QStringList& columns)
        : expression_(expression), columns_(columns) {}

    QString write(const Node& node) {
        switch (node.kind) {
            case Node::Kind::And:
            case Node::Kind::Or: {
                QStringList parts;
                for (const auto& child : node.children) parts << write(*child);
                const QString joiner =
                    node.kind == Node::Kind::And ? QStringLiteral(" AND ") : QStringLiteral(" OR ");
                return QLatin1Char('(') + parts.join(joiner) + QLatin1Char(')');
            }
            case Node::Kind::Not:
                return QStringLiteral("(NOT ") + write(*node.children.front()) + QLatin1Char(')');
            case Node::Kind::NullTest:
                return QLatin1Char('(') + column(node.left.text) +
                       (node.negated ? QStringLiteral(" IS NOT NULL)")
                                     : QStringLiteral(" IS NULL)"));
            case Node::Kind::Compare:
                return compare(node);
        }
        return {};
    }

    Params params;

  private:
    QString bind(const QVariant& value) {
        const QString name = QStringLiteral("filter%1").arg(params.size() + 1);
        params.emplace_back(name, value);
        return QLatin1Char(':') + name;
    }

    static bool isPrefix(const Operand& operand) {
        return operand.kind == Operand::Kind::Text && operand.text.endsWith(QLatin1Char('*'));
    }

    QString compare(const Node& node) {
        const bool equality = node.op == QLatin1String("=") || node.op == QLatin1String("<>");
        const Operand* columnSide = nullptr;
        const Operand* prefixSide = nullptr;
        if (equality && node.left.kind == Operand::Kind::Column && isPrefix(node.right)) {
            columnSide = &node.left;
            prefixSide = &node.right;
        } else if (equality && node.right.kind == Operand::Kind::Column && isPrefix(node.left)) {
            columnSide = &node.right;
            prefixSide = &node.left;
        }
        if (columnSide) {
            // substr counts characters, as the prefix's length does.
            const QString prefix = prefixSide->text.chopped(1);
            const QString length = bind(qint64(prefix.toUcs4().size()));
            return QStringLiteral("(substr(%1, 1, %2) %3 %4)")
                .arg(column(columnSide->text), length, node.op, bind(prefix));
        }
        const QString left = operand(node.left);
        const QString right = operand(node.right);
        return QStringLiteral("(%1 %2 %3)").arg(left, node.op, right);
    }

    QString operand(const Operand& operand) {
        switch (operand.kind) {
            case Operand::Kind::Column:
                return column(operand.text);
            case Operand::Kind::Text:
                return bind(operand.text);
            case Operand::Kind::Number:
                return bind(operand.number);
        }
        return {};
    }

    QString column(const QString& name) const {
        for (const QString& known : columns_) {
            if (known.compare(name, Qt::CaseInsensitive) == 0) return sqlIdentifier(known);
        }
        throw DbError(
            QStringLiteral("フィルタ \"%1\" の項目 '%2' が見つかりません").arg(expression_, name));
    }

    const QString& expression_;
    const QStringList& columns_;
};

}  // namespace

RecordFilter::RecordFilter(const QString& expression) : expression_(expression) {
    auto tokens = tokenize(expression);
    if (tokens.size() == 1) return;  // only the end: no filter
    root_ = Parser(expression_, std::move(tokens)).parseAll();
}

RecordFilter::~RecordFilter() = default;

RecordFilter::Sql RecordFilter::toSql(const QStringList& columns) const {
    if (!root_) return {};
    SqlWriter writer(expression_, columns);
    Sql sql;
    sql.condition = writer.write(*root_);
    sql.params = writer.params;
    return sql;
}

}  // namespace vantir
