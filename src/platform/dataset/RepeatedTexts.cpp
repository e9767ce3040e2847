#include "platform/dataset/RepeatedTexts.h"

#include "platform/db/Statement.h"

namespace vantir {

namespace {

// Beyond this many different texts a column is taken to hold mostly unique values.
constexpr size_t kTextsRemembered = 4096;

}  // namespace

QVariant RepeatedTexts::value(const Statement& statement, int column) {
    Column& remembered = columns_[size_t(column)];
    if (remembered.tooMany || !statement.isText(column)) return statement.value(column);
    const std::string_view bytes = statement.utf8(column);
    if (const auto found = remembered.texts.find(bytes); found != remembered.texts.end())
        return QVariant(found->second);
    const QVariant value = statement.value(column);
    if (remembered.texts.size() < kTextsRemembered)
        remembered.texts.emplace(std::string(bytes), value.toString());
    else
        remembered.tooMany = true;
    return value;
}

}  // namespace vantir
