#include "platform/dataset/LookupField.h"

#include "platform/dataset/Dataset.h"
#include "platform/db/DbError.h"

namespace vantir {

LookupField::LookupField(const ColumnInfo& field, Dataset& source, QString keyColumn,
                         QString sourceKey, QString resultColumn)
    : field_(field),
      source_(source),
      keyColumn_(std::move(keyColumn)),
      sourceKey_(std::move(sourceKey)),
      resultColumn_(std::move(resultColumn)) {}

QVariant LookupField::valueFor(const QVariant& key) const {
    if (key.isNull()) return {};
    if (!source_.isOpen()) source_.open();
    if (!read_ || readAtGeneration_ != source_.generation()) readSource();
    return results_.value(key.toString());
}

void LookupField::readSource() const {
    const int keyIndex = source_.fieldIndex(sourceKey_);
    const int resultIndex = source_.fieldIndex(resultColumn_);
    if (keyIndex < 0 || resultIndex < 0) {
        throw DbError(
            QStringLiteral("参照項目 '%1': %2 に項目 '%3' が見つかりません")
                .arg(field_.name, source_.name(), keyIndex < 0 ? sourceKey_ : resultColumn_));
    }
    results_.clear();
    const int count = source_.recordCount();
    for (int row = 0; row < count; ++row) {
        const QVariant key = source_.valueAt(row, keyIndex);
        if (key.isNull()) continue;
        const QString text = key.toString();
        if (!results_.contains(text)) results_.insert(text, source_.valueAt(row, resultIndex));
    }
    readAtGeneration_ = source_.generation();
    read_ = true;
}

}  // namespace vantir
