#include "masters/rules/UniqueCode.h"

#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "platform/db/SqlQuote.h"

namespace vantir {

UniqueCode::UniqueCode(TableDataset& table, QString column, QueryDataset& count, QString message)
    : table_(table), column_(std::move(column)), count_(count), message_(std::move(message)) {
    afterEdit_ = table_.afterEdit.connect([this] { codeBeforeEdit_ = table_.value(column_); });
    afterInsert_ = table_.afterInsert.connect([this] { codeBeforeEdit_ = QVariant(); });
}

UniqueCode::~UniqueCode() {
    table_.afterEdit.disconnect(afterEdit_);
    table_.afterInsert.disconnect(afterInsert_);
}

bool UniqueCode::isRegistered(const QString& code) const {
    count_.close();
    count_.clearSql();
    count_.addSql(QStringLiteral("SELECT COUNT(*) FROM ") + table_.tableName());
    count_.addSql(QStringLiteral("WHERE ") + column_ + QStringLiteral(" = ") + sqlQuote(code));
    count_.open();
    const qint64 registered = count_.value(QStringLiteral("Expr1000")).toLongLong();
    count_.close();
    return registered > 0;
}

Result UniqueCode::check() const {
    if (!table_.isEditing()) return Result::success();
    const QString code = table_.text(column_);
    const bool unchanged =
        table_.state() == DatasetState::Edit && code == codeBeforeEdit_.toString();
    if (code.isEmpty() || unchanged || !isRegistered(code)) return Result::success();
    return Result::failure(message_, column_);
}

}  // namespace vantir
