#include "common/rules/NotAnInteger.h"

namespace vantir {

QString notAnIntegerMessage(const QString& text) {
    return QStringLiteral("'%1' は整数ではありません").arg(text);
}

}  // namespace vantir
