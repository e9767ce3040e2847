#include "platform/dataset/FieldInput.h"

#include <cmath>
#include <limits>

#include "platform/dataset/ValueKinds.h"
#include "platform/text/Cp932.h"

namespace vantir {

namespace {

QString integerMessage(const QString& value, const QString& column) {
    return QStringLiteral("'%1' は項目 '%2' に適した整数値ではありません").arg(value, column);
}

}  // namespace

Result FieldInput::convert(const ColumnInfo& column, const QVariant& input, QVariant* stored) {
    // Text typed into a number column: blank means no value.
    const bool blankNumber =
        column.type != ColumnType::Text && isText(input) && input.toString().trimmed().isEmpty();
    if (input.isNull() || blankNumber) {
        *stored = QVariant();
        return Result::success();
    }
    switch (column.type) {
        case ColumnType::Int:
        case ColumnType::Small:
            return toInteger(column, input, stored);
        case ColumnType::Float:
            return toFloat(column, input, stored);
        case ColumnType::Text:
            return toText(column, input, stored);
    }
    return toText(column, input, stored);
}

Result FieldInput::toInteger(const ColumnInfo& column, const QVariant& input, QVariant* stored) {
    const QString typed = input.toString();
    bool ok = false;
    qint64 value = 0;
    if (isText(input)) {
        value = typed.trimmed().toLongLong(&ok);
    } else if (input.typeId() == QMetaType::ULongLong || input.typeId() == QMetaType::ULong) {
        const qulonglong unsignedValue = input.toULongLong(&ok);
        ok = ok && unsignedValue <= qulonglong(std::numeric_limits<qint64>::max());
        value = qint64(unsignedValue);
    } else if (isWholeNumber(input)) {
        value = input.toLongLong(&ok);
    } else {
        // A fractional number is not a whole number: refused rather than rounded.
        const double number = input.toDouble(&ok);
        ok = ok && std::isfinite(number) && std::trunc(number) == number &&
             std::fabs(number) < 9.2e18;
        value = qint64(number);
    }
    if (!ok) return Result::failure(integerMessage(typed, column.name), column.name);
    if (column.type == ColumnType::Small && (value < std::numeric_limits<qint16>::min() ||
                                             value > std::numeric_limits<qint16>::max())) {
        return Result::failure(
            QStringLiteral("'%1' は項目 '%2' の範囲 (-32768～32767) を超えています")
                .arg(typed, column.name),
            column.name);
    }
    *stored = value;
    return Result::success();
}

Result FieldInput::toFloat(const ColumnInfo& column, const QVariant& input, QVariant* stored) {
    const QString typed = input.toString();
    bool ok = false;
    double value = 0;
    if (isText(input)) {
        value = typed.trimmed().toDouble(&ok);
    } else {
        value = input.toDouble(&ok);
    }
    if (!ok || !std::isfinite(value)) {
        return Result::failure(QStringLiteral("'%1' は項目 '%2' に適した浮動小数点値ではありません")
                                   .arg(typed, column.name),
                               column.name);
    }
    *stored = value;
    return Result::success();
}

Result FieldInput::toText(const ColumnInfo& column, const QVariant& input, QVariant* stored) {
    const QString text = input.toString();
    if (column.width > 0) {
        const int bytes = cp932::byteLength(text);
        if (bytes > column.width) {
            return Result::failure(
                QStringLiteral("項目 '%1' に入る長さは %2 バイト（全角 %3 文字）までです。"
                               "入力された値は %4 バイトあります。")
                    .arg(column.name)
                    .arg(column.width)
                    .arg(column.width / 2)
                    .arg(bytes),
                column.name);
        }
    }
    *stored = text;
    return Result::success();
}

}  // namespace vantir
