#include "platform/dataset/LookupField.h"

#include "platform/dataset/LookupSource.h"

namespace vantir {

LookupField::LookupField(const ColumnInfo& field, std::shared_ptr<const LookupSource> source,
                         QString keyColumn, QString resultColumn)
    : field_(field),
      source_(std::move(source)),
      keyColumn_(std::move(keyColumn)),
      resultColumn_(std::move(resultColumn)) {}

QVariant LookupField::valueFor(const QVariant& key) const {
    return source_->value(key, resultColumn_);
}

}  // namespace vantir
