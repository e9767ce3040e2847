#include "billing/rules/SlipHousekeeping.h"

#include "platform/db/Connection.h"
#include "platform/db/SqlQuote.h"
#include "platform/db/Statement.h"
#include "platform/db/TransactionGuard.h"

namespace vantir {

void SlipHousekeeping::run(Connection& connection) {
    TransactionGuard guard(connection);
    connection.execute(QStringLiteral("UpDate HITRAN1 SET UHIYO = 0\nWHERE UHIYO IS NULL"));
    connection.execute(QStringLiteral("UpDate HITRAN1 SET SHIYO = 0\nWHERE SHIYO IS NULL"));
    // Staff in the order HIMAS2 holds them: where a code is held twice, the first name
    // that is not empty fills the slips.
    QList<std::pair<QString, QString>> staff;
    Statement rows = connection.prepare(QStringLiteral("SELECT TANCOD, TANMEI FROM HIMAS2"));
    while (rows.step()) staff.append({rows.value(0).toString(), rows.value(1).toString()});
    rows = Statement();
    for (const auto& [code, name] : staff) {
        connection.execute(
            QStringList{QStringLiteral("UpDate HITRAN1 SET TANMEI = ") + sqlQuote(name),
                        QStringLiteral("WHERE TANCOD = ") + sqlQuote(code),
                        QStringLiteral("AND ((TANMEI IS NULL) OR (TANMEI = ''))")}
                .join(QLatin1Char('\n')));
    }
    guard.commit();
}

}  // namespace vantir
