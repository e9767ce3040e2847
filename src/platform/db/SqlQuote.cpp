#include "platform/db/SqlQuote.h"

namespace vantir {

QString sqlQuote(const QString& value) {
    QString quoted = value;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

}  // namespace vantir
