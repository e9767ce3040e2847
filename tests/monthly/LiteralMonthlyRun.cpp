#include "LiteralMonthlyRun.h"

#include <stdexcept>

#include "common/rules/ClosingPeriod.h"
#include "common/rules/DueDate.h"
#include "common/rules/FiscalYearStart.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlQuote.h"

namespace vantir::test {

namespace {

const QString kGroupColumns = QStringLiteral(
    "KCODE,KNAME,YCODE,TENCOD,SIME,SAIT,UKING,SKING,UHIYO,SHIYO,INKING,INSKING,HYMD,SYMD,"
    "SHYMD,SIMEFLG,NUKING,HSKING,URIZAN,SIRZAN");
const QString kAggregateColumns = kGroupColumns + QStringLiteral(",SHOZEI,ZKING,GKING");
const QString kLedgerColumns = QStringLiteral(
    "HYMD,THYMD,CODE,SEKBN,DDAY,KCODE,KNAME,HATTI,THTTI,TON,UKING,YCODE,YNAME,SHBAN,YKING,"
    "SKING,BIKO,UHIYO,SHIYO,TANCOD,TANMEI,INKING,INSKING,SUB1,SUBM,CHKDAY,SHOZEI,ZKING,GKING");
// The site flag that is not "1", NULL included.
const QString kNotOwn = QStringLiteral("(HIMAS3.SIMEFLG IS NULL OR HIMAS3.SIMEFLG <> '1')");

QString q(const QString& value) { return sqlQuote(value); }

void require(bool ok, const QString& message) {
    if (!ok) throw std::runtime_error(message.toStdString());
}

}  // namespace

void copyQuery(Connection& from, const QString& sql, Connection& to, const QString& table) {
    Statement source = from.prepare(sql);
    const int columns = source.columnCount();
    QStringList definitions;
    for (int column = 0; column < columns; ++column) {
        const QString type = source.declaredType(column);
        definitions.append(source.columnName(column) + u' ' + (type.isEmpty() ? QStringLiteral("INT") : type));
    }
    QList<QVariantList> rows;
    while (source.step()) {
        QVariantList row;
        for (int column = 0; column < columns; ++column) row.append(source.value(column));
        rows.append(row);
    }
    source = Statement();
    to.execute(QStringLiteral("DROP TABLE IF EXISTS ") + table);
    to.execute(QStringLiteral("CREATE TABLE ") + table + u'(' + definitions.join(u',') + u')');
    QStringList marks;
    for (int column = 0; column < columns; ++column) marks.append(QStringLiteral("?"));
    Statement insert = to.prepare(QStringLiteral("INSERT INTO ") + table + QStringLiteral(" VALUES (") +
                                  marks.join(u',') + u')');
    for (const QVariantList& row : rows) {
        insert.reset();
        for (int column = 0; column < columns; ++column) insert.bind(column + 1, row[column]);
        insert.step();
    }
}

void LiteralMonthlyRun::run(const QString& closingDay, const QString& month) {
    QString day = closingDay.trimmed();
    if (day.size() == 1) day.prepend(u'0');
    const auto period = closingPeriod(day, month);
    require(bool(period), period.message);
    month_ = month.trimmed();
    S_ = period.value->start;
    E_ = period.value->end;
    Statement control = main_.prepare(QStringLiteral("SELECT * FROM S_CONTROL WHERE CODE = '1'"));
    QString VKETU;
    if (control.step()) {
        VSIM_ = control.value(QStringLiteral("VSIM")).toString();
        VSIT_ = control.value(QStringLiteral("VSIT")).toString();
        VYOT_ = control.value(QStringLiteral("VYOT")).toString();
        VKETU = control.value(QStringLiteral("VKETU")).toString();
    }
    control = Statement();
    const auto fiscal = fiscalYearStart(month_, VKETU, VSIM_);
    require(bool(fiscal), fiscal.message);
    F_ = *fiscal.value;

    exec(QStringLiteral("DELETE FROM HIMAS31\nWHERE HYMD = ") + q(E_) +
         QStringLiteral("\nAND (SIMEFLG IS NULL OR SIMEFLG <> '1')"));
    exec(QStringLiteral("DELETE FROM HIMAS32 WHERE HYMD = ") + q(E_));
    copyQuery(work_, QStringLiteral("SELECT * FROM HIMAS31"), work_, QStringLiteral("HWRK31"));
    copyQuery(work_, QStringLiteral("SELECT * FROM HIMAS32"), work_, QStringLiteral("HWRK32"));

    const bool february = month_.endsWith(QLatin1String("/02"));
    int c = 1;
    for (;;) {
        c_ = c == 99 ? QStringLiteral("99") : QStringLiteral("%1").arg(c, 2, 10, QLatin1Char('0'));
        if (count(QStringLiteral("SELECT COUNT(*) FROM HIMAS3\nWHERE SIME = ") + q(c_)) > 0) {
            customerMonthly(c_);
            customerCumulative(c_);
            carrierMonthly(c_);
            carrierCumulative(c_);
        }
        if (c == 99) break;
        ++c;
        if (c == (february ? 29 : 30)) c = 99;
    }
    ownCustomerMonthly();
    ownCustomerCumulative();
    ownCarrierMonthly();
    ownCarrierCumulative();
    tidy(QStringLiteral("HIMAS31"));
    tidy(QStringLiteral("HIMAS32"));

    push(QStringLiteral("HIMAS31"), QStringLiteral("HIMAS_31"), kAggregateColumns);
    push(QStringLiteral("HIMAS32"), QStringLiteral("HIMAS_32"), kAggregateColumns);
    exec(QStringLiteral("DROP Table HIMAS31"));
    copyQuery(main_, QStringLiteral("SELECT * FROM HIMAS31 ORDER BY KCODE"), work_, QStringLiteral("HIMAS31"));
    exec(QStringLiteral("DROP Table HIMAS32"));
    copyQuery(main_, QStringLiteral("SELECT * FROM HIMAS32 ORDER BY YCODE"), work_, QStringLiteral("HIMAS32"));
    rebuildLedger(true);
    rebuildLedger(false);
}

void LiteralMonthlyRun::extract(const QString& source, const QString& into, const QString& join,
                                const QString& start, const QStringList& filters) {
    QStringList lines = {QStringLiteral("SELECT %1.*, HIMAS3.TENMEI,").arg(source),
                         QStringLiteral("HIMAS3.SIME, HIMAS3.SAIT, HIMAS3.SIMEFLG"),
                         QStringLiteral("FROM %1 INNER JOIN HIMAS3").arg(source),
                         QStringLiteral("ON %1.%2 = HIMAS3.%2").arg(source, join),
                         QStringLiteral("WHERE DDAY >= ") + q(start) + QStringLiteral("AND DDAY <= ") + q(E_)};
    lines += filters;
    copyQuery(work_, lines.join(u'\n'), work_, into);
}

void LiteralMonthlyRun::groupRows(const QString& into, const QString& condition) {
    exec(QStringLiteral("DELETE FROM ") + into);
    exec(QStringLiteral("INSERT INTO %1 (%2)\nSELECT %2\nFROM HIMAS3\n%3")
             .arg(into, kGroupColumns, condition));
}

qint64 LiteralMonthlyRun::count(const QString& sql) { return work_.scalar(sql).toLongLong(); }
qint64 LiteralMonthlyRun::sum(const QString& sql) { return work_.scalar(sql).toLongLong(); }
void LiteralMonthlyRun::exec(const QString& sql) { work_.execute(sql); }

void LiteralMonthlyRun::setAmount(const QString& table, const QString& column, qint64 value,
                                  const QString& codeColumn, const QString& code) {
    exec(QStringLiteral("UpDate %1 Set %2 = %3\nWHERE %4 = %5")
             .arg(table, column, QString::number(value), codeColumn, q(code)));
}

QStringList LiteralMonthlyRun::codes(const QString& sql) {
    QStringList result;
    Statement statement = work_.prepare(sql);
    while (statement.step()) result.append(statement.value(0).toString());
    return result;
}

qint64 LiteralMonthlyRun::readTax() {
    return work_.scalar(QStringLiteral("SELECT ZEIGAKU FROM SHOZEI WHERE CODE = 1")).toLongLong();
}

// ---- customers ----

void LiteralMonthlyRun::customerMonthly(const QString& c) {
    const QStringList filters = {QStringLiteral("AND HIMAS3.SIME = ") + q(c), QStringLiteral("AND ") + kNotOwn};
    extract(QStringLiteral("HITRAN1"), QStringLiteral("HWRK1"), QStringLiteral("KCODE"), S_, filters);
    extract(QStringLiteral("HITRAN2"), QStringLiteral("HWRK2"), QStringLiteral("KCODE"), S_, filters);
    extract(QStringLiteral("HITRAN3"), QStringLiteral("HWRK3"), QStringLiteral("KCODE"), S_, filters);
    if (count(QStringLiteral("SELECT COUNT(*) FROM HIMAS3\nWHERE SIME = ") + q(c) + QStringLiteral("\nAND ") + kNotOwn) == 0) {
        exec(QStringLiteral("DELETE FROM HWRK31"));
        return;
    }
    groupRows(QStringLiteral("HWRK31"), QStringLiteral("WHERE SIME = ") + q(c) + QStringLiteral("\nAND ") + kNotOwn);
    const QString T31 = QStringLiteral("HWRK31"), K = QStringLiteral("KCODE");
    for (const QString& k : codes(QStringLiteral("SELECT KCODE FROM HWRK31 ORDER BY KCODE"))) {
        const QString where = QStringLiteral("\nWHERE KCODE = ") + q(k);
        const QString site = work_.scalar(QStringLiteral("SELECT SAIT FROM HIMAS3") + where).toString();
        if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK1") + where) > 0) {
            setAmount(T31, QStringLiteral("UKING"), sum(QStringLiteral("SELECT SUM(UKING) FROM HWRK1") + where), K, k);
            setAmount(T31, QStringLiteral("UHIYO"), sum(QStringLiteral("SELECT SUM(UHIYO) FROM HWRK1") + where), K, k);
            setAmount(T31, QStringLiteral("INKING"), sum(QStringLiteral("SELECT SUM(INKING) FROM HWRK1") + where), K, k);
            setAmount(T31, QStringLiteral("INSKING"), sum(QStringLiteral("SELECT SUM(INSKING) FROM HWRK1") + where), K, k);
            setAmount(T31, QStringLiteral("SKING"), sum(QStringLiteral("SELECT SUM(YKING) FROM HWRK1") + where), K, k);
            setAmount(T31, QStringLiteral("SHIYO"), sum(QStringLiteral("SELECT SUM(SHIYO) FROM HWRK1") + where), K, k);
        }
        if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK2") + where) > 0)
            setAmount(T31, QStringLiteral("NUKING"), sum(QStringLiteral("SELECT SUM(UKING) FROM HWRK2") + where), K, k);
        if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK3") + where) > 0)
            setAmount(T31, QStringLiteral("HSKING"), sum(QStringLiteral("SELECT SUM(SKING) FROM HWRK3") + where), K, k);
        if (!c.isEmpty() && !site.isEmpty()) {
            const auto due = DueDateBySite(month_, c, site);
            require(bool(due), due.message);
            exec(QStringLiteral("UpDate HWRK31 Set SHYMD = ") + q(*due.value) + where);
        }
    }
}

void LiteralMonthlyRun::customerCumulative(const QString& c) {
    const qint64 T = readTax();
    const QStringList yearFilters = {QStringLiteral("AND SIME = ") + q(c) + QStringLiteral(" AND ") + kNotOwn};
    extract(QStringLiteral("HITRAN1"), QStringLiteral("HWRK1"), QStringLiteral("KCODE"), F_, yearFilters);
    extract(QStringLiteral("HITRAN2"), QStringLiteral("HWRK2"), QStringLiteral("KCODE"), F_, yearFilters);
    extract(QStringLiteral("HITRAN3"), QStringLiteral("HWRK3"), QStringLiteral("KCODE"), S_,
            {QStringLiteral("AND HIMAS3.SIME = ") + q(c), QStringLiteral("AND ") + kNotOwn});
    const QString T31 = QStringLiteral("HWRK31"), K = QStringLiteral("KCODE");
    for (const QString& k : codes(QStringLiteral("SELECT KCODE FROM HWRK31\nORDER BY KCODE"))) {
        const QString where = QStringLiteral("\nWHERE KCODE = ") + q(k);
        if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK1")) > 0) {
            const qint64 U = count(QStringLiteral("SELECT COUNT(*) FROM HWRK1\nWHERE UKING >= 0")) > 0
                                 ? sum(QStringLiteral("SELECT SUM(UKING) FROM HWRK1") + where) : 0;
            const qint64 H = count(QStringLiteral("SELECT COUNT(*) FROM HWRK1\nWHERE UHIYO >= 0")) > 0
                                 ? sum(QStringLiteral("SELECT SUM(UHIYO) FROM HWRK1") + where) : 0;
            setAmount(T31, QStringLiteral("URIZAN"), U * T / 100 + U + H, K, k);
            const qint64 Y = sum(QStringLiteral("SELECT SUM(YKING) FROM HWRK1") + where);
            const qint64 P = sum(QStringLiteral("SELECT SUM(SHIYO) FROM HWRK1") + where);
            setAmount(T31, QStringLiteral("SIRZAN"), Y * T / 100 + Y + P, K, k);
        }
        qint64 Z = 0;
        if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK2")) > 0 &&
            count(QStringLiteral("SELECT COUNT(*) FROM HWRK2\nWHERE UKING >= 0")) > 0)
            Z = sum(QStringLiteral("SELECT SUM(UKING) FROM HWRK2") + where);
        setAmount(T31, QStringLiteral("ZKING"), Z, K, k);
        qint64 G = 0;
        if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK3")) > 0 &&
            count(QStringLiteral("SELECT COUNT(*) FROM HWRK3\nWHERE SKING >= 0")) > 0)
            G = sum(QStringLiteral("SELECT SUM(SKING) FROM HWRK3") + where);
        setAmount(T31, QStringLiteral("GKING"), G, K, k);
    }
    addCustomers();
}

void LiteralMonthlyRun::ownCustomerMonthly() {
    extract(QStringLiteral("HITRAN1"), QStringLiteral("HWRK1"), QStringLiteral("KCODE"), S_, {QStringLiteral("AND SIMEFLG = '1'")});
    extract(QStringLiteral("HITRAN2"), QStringLiteral("HWRK2"), QStringLiteral("KCODE"), S_, {QStringLiteral("AND SIMEFLG = '1'")});
    extract(QStringLiteral("HITRAN3"), QStringLiteral("HWRK3"), QStringLiteral("KCODE"), S_, {QStringLiteral("AND HIMAS3.SIMEFLG = '1'")});
    if (count(QStringLiteral("SELECT COUNT(*) FROM HIMAS3\nWHERE SIMEFLG = '1'")) == 0) {
        exec(QStringLiteral("DELETE FROM HWRK31"));
        return;
    }
    groupRows(QStringLiteral("HWRK31"), QStringLiteral("WHERE SIMEFLG = '1'"));
    const QString T31 = QStringLiteral("HWRK31"), K = QStringLiteral("KCODE");
    for (const QString& k : codes(QStringLiteral("SELECT KCODE FROM HWRK31 ORDER BY KCODE"))) {
        const QString where = QStringLiteral("\nWHERE KCODE = ") + q(k);
        if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK1") + where) > 0) {
            setAmount(T31, QStringLiteral("UKING"), sum(QStringLiteral("SELECT SUM(UKING) FROM HWRK1") + where), K, k);
            setAmount(T31, QStringLiteral("UHIYO"), sum(QStringLiteral("SELECT SUM(UHIYO) FROM HWRK1") + where), K, k);
        }
        if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK2") + where) > 0)
            setAmount(T31, QStringLiteral("NUKING"), sum(QStringLiteral("SELECT SUM(UKING) FROM HWRK2") + where), K, k);
        if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK3") + where) > 0)
            setAmount(T31, QStringLiteral("HSKING"), sum(QStringLiteral("SELECT SUM(SKING) FROM HWRK3") + where), K, k);
    }
}

void LiteralMonthlyRun::ownCustomerCumulative() {
    const qint64 T = readTax();
    extract(QStringLiteral("HITRAN1"), QStringLiteral("HWRK1"), QStringLiteral("KCODE"), F_, {QStringLiteral("AND SIMEFLG = '1'")});
    extract(QStringLiteral("HITRAN2"), QStringLiteral("HWRK2"), QStringLiteral("KCODE"), F_, {QStringLiteral("AND SIMEFLG = '1'")});
    extract(QStringLiteral("HITRAN3"), QStringLiteral("HWRK3"), QStringLiteral("KCODE"), S_, {QStringLiteral("AND HIMAS3.SIMEFLG = '1'")});
    const QString T31 = QStringLiteral("HWRK31"), K = QStringLiteral("KCODE");
    if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK31\nWHERE SIMEFLG = '1'")) > 0) {
        for (const QString& k : codes(QStringLiteral("SELECT KCODE FROM HWRK31 ORDER BY KCODE"))) {
            const QString where = QStringLiteral("\nWHERE KCODE = ") + q(k);
            qint64 U = 0, H = 0, Sk = 0, P = 0, Z = 0, G = 0;
            if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK1") + where) > 0) {
                U = sum(QStringLiteral("SELECT SUM(UKING) FROM HWRK1") + where);
                H = sum(QStringLiteral("SELECT SUM(UHIYO) FROM HWRK1") + where);
                Sk = sum(QStringLiteral("SELECT SUM(SKING) FROM HWRK1") + where);
                P = sum(QStringLiteral("SELECT SUM(SHIYO) FROM HWRK1") + where);
            }
            if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK2") + where) > 0)
                Z = sum(QStringLiteral("SELECT SUM(UKING) FROM HWRK2") + where);
            if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK3") + where) > 0)
                G = sum(QStringLiteral("SELECT SUM(SKING) FROM HWRK3") + where);
            setAmount(T31, QStringLiteral("URIZAN"), U * T / 100 + U + H, K, k);
            setAmount(T31, QStringLiteral("SIRZAN"), Sk * T / 100 + Sk + P, K, k);
            setAmount(T31, QStringLiteral("ZKING"), Z, K, k);
            setAmount(T31, QStringLiteral("GKING"), G, K, k);
        }
    }
    exec(QStringLiteral("DELETE FROM HIMAS31\nWHERE HYMD = ") + q(E_) + QStringLiteral("\nAND SIMEFLG = '1'"));
    addCustomers();
}

void LiteralMonthlyRun::addCustomers() {
    if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK31")) > 0) {
        exec(QStringLiteral("UpDate HWRK31 Set HYMD = ") + q(E_));
        exec(QStringLiteral("UpDate HWRK31 Set SYMD = ") + q(E_));
        for (const char* column : {"UKING", "SKING", "UHIYO", "SHIYO", "INKING", "INSKING", "NUKING", "HSKING"})
            exec(QStringLiteral("UPDATE HWRK31 SET %1 = 0 WHERE %1 IS NULL").arg(QString::fromLatin1(column)));
        exec(QStringLiteral("DELETE FROM HWRK31\nWHERE UKING + SKING + UHIYO + SHIYO + INKING + INSKING + NUKING + HSKING = 0"));
    }
    if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK31")) > 0)
        exec(QStringLiteral("Insert Into HIMAS31 (%1)\nSELECT %1\nFROM HWRK31").arg(kAggregateColumns));
}

// ---- carriers ----

void LiteralMonthlyRun::carrierMonthly(const QString& c) {
    const QStringList filters = {QStringLiteral("AND ") + kNotOwn + QStringLiteral(" AND SIME = ") + q(c)};
    extract(QStringLiteral("HITRAN1"), QStringLiteral("HWRK1"), QStringLiteral("YCODE"), S_, filters);
    extract(QStringLiteral("HITRAN2"), QStringLiteral("HWRK2"), QStringLiteral("YCODE"), S_, filters);
    extract(QStringLiteral("HITRAN3"), QStringLiteral("HWRK3"), QStringLiteral("YCODE"), S_, filters);
    groupRows(QStringLiteral("HWRK32"), QStringLiteral("WHERE SIME = ") + q(c) + QStringLiteral("\nAND ") + kNotOwn);
    const QString T32 = QStringLiteral("HWRK32"), Y = QStringLiteral("YCODE");
    const auto guarded = [this](const QString& table, const QString& guard, const QString& summed,
                                const QString& where) -> qint64 {
        if (count(QStringLiteral("SELECT COUNT(*) FROM %1\nWHERE %2 >= 0").arg(table, guard)) == 0) return 0;
        return sum(QStringLiteral("SELECT SUM(%1) FROM %2").arg(summed, table) + where);
    };
    Statement partners = work_.prepare(QStringLiteral("SELECT YCODE, SIME, SAIT FROM HIMAS3\nORDER BY YCODE"));
    QList<QStringList> rows;
    while (partners.step())
        rows.append({partners.value(0).toString(), partners.value(1).toString(), partners.value(2).toString()});
    partners = Statement();
    for (const QStringList& partner : rows) {
        const QString& y = partner[0];
        const QString where = QStringLiteral("\nWHERE YCODE = ") + q(y);
        const QString H1 = QStringLiteral("HWRK1");
        if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK1") + where) > 0) {
            setAmount(T32, QStringLiteral("UKING"), guarded(H1, QStringLiteral("UKING"), QStringLiteral("UKING"), where), Y, y);
            setAmount(T32, QStringLiteral("UHIYO"), guarded(H1, QStringLiteral("UHIYO"), QStringLiteral("UHIYO"), where), Y, y);
            setAmount(T32, QStringLiteral("SKING"), guarded(H1, QStringLiteral("SKING"), QStringLiteral("YKING"), where), Y, y);
            setAmount(T32, QStringLiteral("SHIYO"), guarded(H1, QStringLiteral("SHIYO"), QStringLiteral("SHIYO"), where), Y, y);
            setAmount(T32, QStringLiteral("INKING"), guarded(H1, QStringLiteral("INKING"), QStringLiteral("INKING"), where), Y, y);
            setAmount(T32, QStringLiteral("INSKING"), guarded(H1, QStringLiteral("INSKING"), QStringLiteral("INSKING"), where), Y, y);
        }
        if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK3")) > 0)
            setAmount(T32, QStringLiteral("HSKING"),
                      guarded(QStringLiteral("HWRK3"), QStringLiteral("SKING"), QStringLiteral("SKING"), where), Y, y);
        if (!partner[1].isEmpty() && !partner[2].isEmpty()) {
            const auto due = DueDateBySite(month_, partner[1], partner[2]);
            require(bool(due), due.message);
            exec(QStringLiteral("UpDate HWRK32 Set SHYMD = ") + q(*due.value) + where);
        }
    }
}

void LiteralMonthlyRun::carrierCumulative(const QString& c) {
    const qint64 T = readTax();
    extract(QStringLiteral("HITRAN1"), QStringLiteral("HWRK1"), QStringLiteral("YCODE"), F_,
            {QStringLiteral("AND (") + kNotOwn + u')', QStringLiteral("AND SIME = ") + q(c)});
    extract(QStringLiteral("HITRAN3"), QStringLiteral("HWRK3"), QStringLiteral("YCODE"), F_,
            {QStringLiteral("AND ") + kNotOwn, QStringLiteral("AND SIME = ") + q(c)});
    for (const QString& y : codes(QStringLiteral("SELECT YCODE FROM HWRK32\nORDER BY YCODE"))) {
        const QString where = QStringLiteral("\nWHERE YCODE = ") + q(y);
        const qint64 B = work_.scalar(QStringLiteral("SELECT SIRZAN FROM HIMAS3") + where).toLongLong();
        setAmount(QStringLiteral("HWRK32"), QStringLiteral("SIRZAN"), B, QStringLiteral("YCODE"), y);
        if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK1") + where) > 0) {
            const qint64 Sk = sum(QStringLiteral("SELECT SUM(SKING) FROM HWRK1") + where);
            const qint64 P = sum(QStringLiteral("SELECT SUM(SHIYO) FROM HWRK1") + where);
            setAmount(QStringLiteral("HWRK32"), QStringLiteral("SIRZAN"), Sk * T / 100 + Sk - P, QStringLiteral("YCODE"), y);
        }
        if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK3")) > 0) {
            const qint64 Q = count(QStringLiteral("SELECT COUNT(*) FROM HWRK3\nWHERE SKING >= 0")) > 0
                                 ? sum(QStringLiteral("SELECT SUM(SKING) FROM HWRK3") + where) : 0;
            exec(QStringLiteral("UpDate HWRK32 Set GKING = '") + QString::number(B - Q) + u'\'' + where);
        }
    }
    addCarriers();
}

void LiteralMonthlyRun::ownCarrierMonthly() {
    extract(QStringLiteral("HITRAN1"), QStringLiteral("HWRK1"), QStringLiteral("YCODE"), S_, {QStringLiteral("AND SIMEFLG = '1'")});
    extract(QStringLiteral("HITRAN2"), QStringLiteral("HWRK2"), QStringLiteral("YCODE"), S_, {QStringLiteral("AND SIMEFLG = '1'")});
    extract(QStringLiteral("HITRAN3"), QStringLiteral("HWRK3"), QStringLiteral("YCODE"), S_, {QStringLiteral("AND SIMEFLG = '1'")});
    groupRows(QStringLiteral("HWRK32"), QStringLiteral("WHERE SIMEFLG = '1'"));
    const QString T32 = QStringLiteral("HWRK32"), Y = QStringLiteral("YCODE");
    const auto guarded = [this](const QString& table, const QString& column, const QString& where) -> qint64 {
        if (count(QStringLiteral("SELECT COUNT(*) FROM %1\nWHERE %2 >= 0").arg(table, column)) == 0) return 0;
        return sum(QStringLiteral("SELECT SUM(%1) FROM %2").arg(column, table) + where);
    };
    for (const QString& y : codes(QStringLiteral("SELECT YCODE FROM HWRK32 ORDER BY YCODE"))) {
        const QString where = QStringLiteral("\nWHERE YCODE = ") + q(y);
        if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK1")) > 0) {
            for (const char* column : {"UKING", "UHIYO", "SKING", "SHIYO", "INKING"})
                setAmount(T32, QString::fromLatin1(column),
                          guarded(QStringLiteral("HWRK1"), QString::fromLatin1(column), where), Y, y);
        }
        if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK3")) > 0)
            setAmount(T32, QStringLiteral("HSKING"), guarded(QStringLiteral("HWRK3"), QStringLiteral("SKING"), where), Y, y);
        if (!VSIT_.isEmpty() && !VSIM_.isEmpty()) {
            const auto due = DueDateByPayDay(month_, VSIM_, VSIT_, VYOT_);
            require(bool(due), due.message);
            exec(QStringLiteral("UpDate HWRK32 Set SHYMD = ") + q(*due.value) + where);
        }
    }
}

void LiteralMonthlyRun::ownCarrierCumulative() {
    const qint64 T = readTax();
    extract(QStringLiteral("HITRAN1"), QStringLiteral("HWRK1"), QStringLiteral("YCODE"), F_, {QStringLiteral("AND (SIMEFLG = '1')")});
    extract(QStringLiteral("HITRAN3"), QStringLiteral("HWRK3"), QStringLiteral("YCODE"), F_, {QStringLiteral("AND (SIMEFLG = '1')")});
    for (const QString& y : codes(QStringLiteral("SELECT YCODE FROM HWRK32 WHERE SIMEFLG = '1' ORDER BY YCODE"))) {
        const QString where = QStringLiteral("\nWHERE YCODE = ") + q(y);
        if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK1") + where) > 0) {
            const qint64 Sk = count(QStringLiteral("SELECT COUNT(*) FROM HWRK1") + where + QStringLiteral("\nAND SKING >= 0")) > 0
                                  ? sum(QStringLiteral("SELECT SUM(SKING) FROM HWRK1") + where) : 0;
            const qint64 P = count(QStringLiteral("SELECT COUNT(*) FROM HWRK1\nWHERE SHIYO >= 0")) > 0
                                 ? sum(QStringLiteral("SELECT SUM(SHIYO) FROM HWRK1") + where) : 0;
            setAmount(QStringLiteral("HWRK32"), QStringLiteral("SIRZAN"), Sk * T / 100 + Sk - P, QStringLiteral("YCODE"), y);
        }
        if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK3") + where) > 0) {
            const qint64 Q = count(QStringLiteral("SELECT COUNT(*) FROM HWRK3") + where + QStringLiteral("\nAND SKING >= 0")) > 0
                                 ? sum(QStringLiteral("SELECT SUM(SKING) FROM HWRK3") + where) : 0;
            setAmount(QStringLiteral("HWRK32"), QStringLiteral("GKING"), Q, QStringLiteral("YCODE"), y);
        }
    }
    addCarriers();
}

void LiteralMonthlyRun::addCarriers() {
    exec(QStringLiteral("UpDate HWRK32 Set HYMD = ") + q(E_));
    exec(QStringLiteral("UpDate HWRK32 Set SYMD = ") + q(E_));
    if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK32")) > 0) {
        for (const char* column : {"UKING", "SKING", "UHIYO", "SHIYO", "INKING", "INSKING", "NUKING", "HSKING"})
            exec(QStringLiteral("UPDATE HWRK32 SET %1 = 0 WHERE %1 IS NULL").arg(QString::fromLatin1(column)));
        exec(QStringLiteral("DELETE FROM HWRK32\nWHERE UKING + SKING + UHIYO + SHIYO + INKING + INSKING = 0"));
    }
    if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK32")) > 0)
        exec(QStringLiteral("Insert Into HIMAS32 (%1)\nSELECT %1\nFROM HWRK32").arg(kAggregateColumns));
}

// ---- tidy, pushes, ledgers ----

void LiteralMonthlyRun::tidy(const QString& table) {
    for (const char* column : {"UKING", "SKING", "UHIYO", "SHIYO", "INKING", "INSKING", "NUKING", "HSKING",
                               "URIZAN", "SIRZAN", "SHOZEI", "ZKING", "GKING"})
        exec(QStringLiteral("Update %1 SET %2 = 0 WHERE %2 IS NULL").arg(table, QString::fromLatin1(column)));
    exec(QStringLiteral("DELETE FROM %1 WHERE UKING + SKING + UHIYO + SHIYO + INKING + INSKING = 0").arg(table));
}

void LiteralMonthlyRun::push(const QString& table, const QString& stage, const QString& columns) {
    copyQuery(work_, QStringLiteral("SELECT * FROM %1 ORDER BY KCODE").arg(table), main_, stage);
    main_.execute(QStringLiteral("DELETE FROM ") + table);
    main_.execute(QStringLiteral("INSERT INTO %1 (%2)\nSELECT %2\nFROM %3").arg(table, columns, stage));
    main_.execute(QStringLiteral("DROP Table ") + stage);
}

void LiteralMonthlyRun::rebuildLedger(bool sales) {
    const qint64 T = readTax();
    const QString period = QStringLiteral("\nWHERE (DDAY >= ") + q(S_) + QStringLiteral("\nAND DDAY <= ") + q(E_) + u')';
    copyQuery(work_, QStringLiteral("SELECT * FROM HITRAN1") + period, work_, QStringLiteral("HWRK1"));
    exec(QStringLiteral("Update HWRK1 Set SHOZEI = ") + QString::number(T));
    exec(sales ? QStringLiteral("Update HWRK1 Set SKING = 0") : QStringLiteral("Update HWRK1 Set UKING = 0"));
    exec(sales ? QStringLiteral("Update HWRK1 Set SHIYO = 0") : QStringLiteral("Update HWRK1 Set UHIYO = 0"));
    const QString cash = sales ? QStringLiteral("HWRK2") : QStringLiteral("HWRK3");
    copyQuery(work_, QStringLiteral("SELECT * FROM ") + (sales ? QStringLiteral("HITRAN2") : QStringLiteral("HITRAN3")) + period,
              work_, cash);
    exec(QStringLiteral("Update %1 Set SHOZEI = ").arg(cash) + QString::number(T));
    if (sales) {
        exec(QStringLiteral("INSERT INTO HWRK1\n(HYMD,THYMD,CODE,SEKBN,DDAY,KCODE,\nKNAME,SKING,SHIYO,BIKO,SUB1,SUBM)\n"
                            "SELECT\nHYMD,THYMD,CODE,SEKBN,DDAY,KCODE,\nKNAME,UKING,UHIYO,BIKO,SUB1,SUBM\nFROM HWRK2"));
        copyQuery(work_, QStringLiteral("SELECT * FROM HIMAS31\nWHERE (HYMD >= ") + q(S_) + QStringLiteral("\nAND HYMD <= ") + q(E_) + u')',
                  work_, QStringLiteral("HWRK31"));
        exec(QStringLiteral("Update HWRK31 Set SHOZEI = ") + QString::number(T));
    } else {
        exec(QStringLiteral("INSERT INTO HWRK1\n(HYMD,THYMD,CODE,SEKBN,DDAY,YCODE,\nYNAME,UKING,UHIYO,BIKO,SUB1,SUBM)\n"
                            "SELECT\nHYMD,THYMD,CODE,SEKBN,DDAY,YCODE,\nYNAME,SKING,SHIYO,BIKO,SUB1,SUBM\nFROM HWRK3"));
    }
    if (count(QStringLiteral("SELECT COUNT(*) FROM HWRK1")) == 0) return;
    exec(QStringLiteral("DELETE FROM HWRK1\nWHERE UKING + SKING + UHIYO + SHIYO + INKING + INSKING = 0"));
    const QString ledger = sales ? QStringLiteral("HITRANM") : QStringLiteral("HITRANS");
    exec(QStringLiteral("DELETE FROM %1\nWHERE DDAY >= %2 AND DDAY <= %3").arg(ledger, q(S_), q(E_)));
    exec(QStringLiteral("INSERT INTO %1 (%2)\nSELECT %2\nFROM HWRK1").arg(ledger, kLedgerColumns));
    push(ledger, sales ? QStringLiteral("HITRAN_M") : QStringLiteral("HITRAN_S"), kLedgerColumns);
}

}  // namespace vantir::test
