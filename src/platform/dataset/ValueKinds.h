#pragma once

#include <QMetaType>
#include <QVariant>

namespace vantir {

// What a value handed to or read from a dataset holds: a whole number, a fraction or
// text. Widths of the integer types do not matter; every whole number ends up qint64.
inline bool isWholeNumber(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Char:
        case QMetaType::SChar:
        case QMetaType::UChar:
            return true;
        default:
            return false;
    }
}

inline bool isFraction(const QVariant& value) {
    return value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float;
}

inline bool isNumber(const QVariant& value) { return isWholeNumber(value) || isFraction(value); }

inline bool isText(const QVariant& value) {
    return value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray ||
           value.typeId() == QMetaType::QChar;
}

}  // namespace vantir
