#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <ostream>

// Readable failure output for Qt values in GoogleTest expectations (found by argument-
// dependent lookup, so they live beside the Qt types in the global namespace).

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '{';
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (i > 0) *out << ", ";
        PrintTo(list[i], out);
    }
    *out << '}';
}

inline void PrintTo(const QVariant& value, std::ostream* out) {
    if (value.isNull()) {
        *out << "NULL";
        return;
    }
    *out << value.typeName() << ' ';
    if (value.typeId() == QMetaType::QString) {
        PrintTo(value.toString(), out);
    } else {
        *out << value.toString().toStdString();
    }
}
