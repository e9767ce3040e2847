#include "data/Schema.h"

#include <algorithm>

namespace vantir {

namespace {

ColumnInfo text(const char* name, int width) {
    return {QString::fromLatin1(name), ColumnType::Text, width};
}
ColumnInfo integer(const char* name) { return {QString::fromLatin1(name), ColumnType::Int, 0}; }
ColumnInfo small(const char* name) { return {QString::fromLatin1(name), ColumnType::Small, 0}; }
ColumnInfo floating(const char* name) { return {QString::fromLatin1(name), ColumnType::Float, 0}; }

qsizetype indexOf(const QList<ColumnInfo>& columns, const char* name) {
    const auto found = std::find_if(columns.begin(), columns.end(), [name](const ColumnInfo& c) {
        return c.name == QLatin1String(name);
    });
    Q_ASSERT(found != columns.end());
    return found - columns.begin();
}

// Moves the column `name` to just before or after `anchor`.
void moveColumn(QList<ColumnInfo>& columns, const char* name, const char* anchor, bool after) {
    const ColumnInfo moved = columns.takeAt(indexOf(columns, name));
    columns.insert(indexOf(columns, anchor) + (after ? 1 : 0), moved);
}

// The slip layout of HITRAN1: 29 columns shared by the dispatch slips and their sisters.
QList<ColumnInfo> slipColumns() {
    return {text("HYMD", 8),    text("THYMD", 8),  text("CODE", 6),    text("SEKBN", 1),
            text("DDAY", 8),    text("KCODE", 6),  text("KNAME", 30),  text("HATTI", 20),
            text("THTTI", 20),  text("TON", 4),    integer("UKING"),   text("YCODE", 6),
            text("YNAME", 30),  text("SHBAN", 4),  integer("YKING"),   integer("SKING"),
            text("BIKO", 20),   integer("UHIYO"),  integer("SHIYO"),   text("TANCOD", 2),
            text("TANMEI", 20), integer("INKING"), integer("INSKING"), text("SUB1", 10),
            text("SUBM", 20),   text("CHKDAY", 8), integer("SHOZEI"),  integer("ZKING"),
            integer("GKING")};
}

// Receipt and payment slips: CHKDAY stands before SUB1, K_KBN follows SUBM.
QList<ColumnInfo> cashSlipColumns() {
    QList<ColumnInfo> columns = slipColumns();
    moveColumn(columns, "CHKDAY", "SUB1", /*after=*/false);
    columns.insert(indexOf(columns, "SUBM") + 1, text("K_KBN", 1));
    return columns;
}

// The customer ledger: DDAY stands after SUB1 instead of after SEKBN.
QList<ColumnInfo> ledgerColumns() {
    QList<ColumnInfo> columns = slipColumns();
    moveColumn(columns, "DDAY", "SUB1", /*after=*/true);
    return columns;
}

// The aggregation's extracts: the slip's columns plus the partner's office and terms.
QList<ColumnInfo> extractColumns(QList<ColumnInfo> columns) {
    columns << text("TENMEI", 20) << text("SIME", 2) << text("SAIT", 3) << text("SIMEFLG", 1);
    return columns;
}

// The aggregate row of HIMAS31 and its kin; only the width of SAIT differs between them.
QList<ColumnInfo> aggregateColumns(int saitWidth) {
    return {text("KCODE", 6),  text("KNAME", 30),       text("YCODE", 6),  text("TENCOD", 2),
            text("SIME", 2),   text("SAIT", saitWidth), integer("UKING"),  integer("SKING"),
            integer("UHIYO"),  integer("SHIYO"),        integer("INKING"), integer("INSKING"),
            text("HYMD", 8),   text("SYMD", 8),         text("SHYMD", 8),  text("SIMEFLG", 1),
            integer("NUKING"), integer("HSKING"),       integer("URIZAN"), integer("SIRZAN"),
            integer("SHOZEI"), integer("ZKING"),        integer("GKING")};
}

QList<TableLayout> declareTables() {
    const QList<ColumnInfo> partner = {
        text("KCODE", 6),  text("KNAME", 30),  text("YCODE", 6),  text("KANAMEI", 20),
        text("TENCOD", 2), text("TENMEI", 20), text("KZIP", 8),   text("KADD1", 40),
        text("KADD2", 20), text("KTEL", 12),   text("KFAX", 12),  text("SIME", 2),
        text("SAIT", 3),   text("SIMEFLG", 1), text("BANK", 18),  text("SITEN", 16),
        text("YKBUN", 1),  text("KOZA", 8),    integer("URIZAN"), integer("SIRZAN"),
        integer("UKING"),  integer("SKING"),   integer("UHIYO"),  integer("SHIYO"),
        integer("INKING"), integer("INSKING"), text("HYMD", 8),   text("SHYMD", 8),
        text("SYMD", 8),   integer("NUKING"),  integer("HSKING"), integer("URISUB"),
        integer("SIRSUB"), integer("URI_FLG"), text("KY_KBN", 1)};

    auto table = [](const char* name, QList<ColumnInfo> columns, QStringList indexed = {},
                    QStringList numbers = {}) {
        return TableLayout{QString::fromLatin1(name), std::move(columns), std::move(indexed),
                           std::move(numbers)};
    };
    const QStringList kDayIndexes = {QStringLiteral("HYMD"), QStringLiteral("DDAY")};
    const QStringList kSlipNumber = {QStringLiteral("CODE")};
    return {
        // Masters and settings.
        table("HIMAS1", {text("TENCOD", 2), text("TENMEI", 20)}),
        table("HIMAS2", {text("TANCOD", 2), text("TANMEI", 20)}),
        table("HIMAS3", partner),
        table("HIMAS31", aggregateColumns(2)),
        table("HIMAS32", aggregateColumns(3)),
        table("HIMAS33", {text("HYMD", 8), text("KCODE", 6), text("KNAME", 30), text("YCODE", 6),
                          integer("URIZAN"), integer("SIRZAN")}),
        table("HIMASH31", aggregateColumns(2)),
        table("COP_DAT", {text("CODE", 1), text("CNAME", 40), text("CZIP", 8), text("CADD1", 40),
                          text("CADD2", 30), text("CTEL", 13), text("CFAX", 13), text("CBANK", 50),
                          text("CETC", 50), text("RPT_FLG", 1), text("RPT_FLG2", 1)}),
        table("S_CONTROL",
              {text("CODE", 2), text("VSIM", 2), text("VSIT", 1), text("VYOT", 2), text("VKETU", 2),
               text("VTCD", 2), text("VPRN", 1), text("VHEN", 1), text("VSUB", 2)}),
        table("SHOZEI", {small("CODE"), small("ZEIGAKU")}),
        table("FLG_DATA", {small("FCODE"), small("GCODE"), text("GNAME", 10), text("FDATA", 2),
                           text("FNAME", 20)}),
        // Slips, ledgers and invoice work tables.
        // The slip screens narrow to a working date, every period selection to DDAY; a new
        // slip, receipt or payment takes the greatest stored number plus one.
        table("HITRAN1", slipColumns(), kDayIndexes, kSlipNumber),
        table("HITRAN2", cashSlipColumns(), kDayIndexes, kSlipNumber),
        table("HITRAN3", cashSlipColumns(), kDayIndexes, kSlipNumber),
        table("HITRANM", ledgerColumns()),
        table("HITRANS", slipColumns()),
        table("HITRAN11", slipColumns()),
        table("WK_SEIKYU", slipColumns()),
        table("WK_SEK_HED", slipColumns()),
        table("WK_SEIKYU2", slipColumns()),
        table("AZUKARI",
              {text("CODE", 4), text("HYMD", 8), text("KCODE", 6), text("KNAME", 20),
               text("AZ_FLG", 1), floating("TKING"), floating("KING"), text("BIKO", 50)}),
        // Work tables of the monthly processing; the aggregation re-creates them per use.
        table("HWRK1", extractColumns(slipColumns())),
        table("HWRK2", extractColumns(cashSlipColumns())),
        table("HWRK3", extractColumns(cashSlipColumns())),
        table("HWRK31", aggregateColumns(3)),
        table("HWRK32", aggregateColumns(3)),
    };
}

}  // namespace

const QList<TableLayout>& Schema::tables() {
    static const QList<TableLayout> tables = declareTables();
    return tables;
}

const TableLayout* Schema::find(const QString& table) {
    for (const TableLayout& layout : tables()) {
        if (layout.name.compare(table, Qt::CaseInsensitive) == 0) return &layout;
    }
    return nullptr;
}

}  // namespace vantir
