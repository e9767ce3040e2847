#pragma once

#include <QString>

namespace vantir {

// A slip, receipt or payment number as the next-number rule reads it from its table.
//
// Numbers keyed with a full-width space ("　", Shift_JIS bytes 81 40) have always been
// cleaned on their Shift_JIS bytes: the number is rebuilt from its first six bytes, dropping
// byte 1, bytes 2 to 5 when they are a space or 40 hex (the full-width space's second
// byte), and byte 6 when it is a space. Every number then loses the spaces around it and is
// read as a whole number: ASCII digits up to 2147483647, leading zeros allowed.
struct StoredNumber {
    enum class Kind {
        Blank,       // nothing left: no number, passed over
        Number,      // value holds it
        NotANumber,  // the rule stops with the conversion error showing text
    };

    Kind kind = Kind::Blank;
    qint64 value = 0;
    QString text;  // what was read as the number, cleaned and trimmed

    static StoredNumber read(const QString& stored);
};

}  // namespace vantir
