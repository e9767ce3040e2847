#include "slips/rules/SlipPrintQuery.h"

#include "common/printing/PrintSelection.h"
#include "platform/db/SqlQuote.h"

namespace vantir {

namespace {

struct DateKind {
    const char16_t* kind;
    const char* column;
};

const DateKind kDateKinds[] = {
    {u"配車日", "HYMD"},
    {u"降し日", "THYMD"},
    {u"請求日", "DDAY"},
};

const QString kCompanyName =
    QStringLiteral("(SELECT CNAME FROM COP_DAT WHERE CODE = '1') AS CNAME");
const QString kBranchName =
    QStringLiteral("(SELECT TENMEI FROM HIMAS1 ORDER BY TENCOD LIMIT 1) AS TENMEI");

QStringList ofTheDay(const PrintSelection& selection) {
    return {QStringLiteral("WHERE %1 = ").arg(SlipPrintQuery::dateColumn(selection.kind)) +
            sqlQuote(selection.date)};
}

QString inNumberOrder() { return QStringLiteral("ORDER BY CAST(Trim(CODE) AS INTEGER), CODE"); }

}  // namespace

const QStringList& SlipPrintQuery::kinds() {
    static const QStringList kinds = [] {
        QStringList all;
        for (const DateKind& k : kDateKinds) all << QString::fromUtf16(k.kind);
        return all;
    }();
    return kinds;
}

QString SlipPrintQuery::dateColumn(const QString& kind) {
    for (const DateKind& k : kDateKinds)
        if (kind == QString::fromUtf16(k.kind)) return QLatin1String(k.column);
    return {};
}

QStringList SlipPrintQuery::slips(const PrintSelection& selection, Receipt receipt) {
    QStringList sql{QStringLiteral("SELECT * FROM HITRAN1")};
    sql << ofTheDay(selection);
    // An empty text is no date: such a slip is still open, never confirmed.
    if (receipt == Receipt::Confirmed)
        sql << QStringLiteral("AND CHKDAY Is Not Null") << QStringLiteral("AND CHKDAY <> ''");
    if (receipt == Receipt::Open)
        sql << QStringLiteral("AND (CHKDAY Is Null") << QStringLiteral("OR CHKDAY = '')");
    sql << inNumberOrder();
    return sql;
}

QStringList SlipPrintQuery::receipts(const PrintSelection& selection) {
    QStringList sql{QStringLiteral("SELECT HITRAN1.*,"), kCompanyName + QLatin1Char(','),
                    kBranchName, QStringLiteral("FROM HITRAN1")};
    sql << ofTheDay(selection) << inNumberOrder();
    return sql;
}

QStringList SlipPrintQuery::names() {
    return {QStringLiteral("SELECT"), kCompanyName + QLatin1Char(','), kBranchName};
}

}  // namespace vantir
