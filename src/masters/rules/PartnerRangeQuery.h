#pragma once

#include <QString>
#include <QStringList>

namespace vantir {

// The text of the shared partner list Q_HIM3 for the address prints: the partners whose
// KCODE lies from `from` to `to`, both compared as text exactly as typed (no zero-fill, so
// "0" to "999999" takes every six-digit code), in code order.
class PartnerRangeQuery {
  public:
    static inline const QString kView = QStringLiteral("Q_HIM3");

    static QStringList lines(const QString& from, const QString& to);
    // The list as every other reader of Q_HIM3 expects to find it again: all partners in
    // code order.
    static QStringList allInCodeOrder();
};

}  // namespace vantir
