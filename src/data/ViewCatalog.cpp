#include "data/ViewCatalog.h"

namespace vantir {

namespace {

TableViewSpec tableView(const char* view, const char* table, const char* index,
                        const char* dataSource, ModuleSide side = ModuleSide::Both) {
    return {QString::fromLatin1(view), QString::fromLatin1(table), QString::fromLatin1(index),
            QString::fromLatin1(dataSource), side};
}

QueryViewSpec queryView(const char* view, const char* sql, const char* dataSource,
                        ModuleSide side = ModuleSide::Both) {
    return {QString::fromLatin1(view), QString::fromLatin1(sql), QString::fromLatin1(dataSource),
            side};
}

constexpr auto kMain = ModuleSide::MainOnly;
constexpr auto kWork = ModuleSide::WorkOnly;

}  // namespace

const QList<TableViewSpec>& ViewCatalog::tableViews() {
    static const QList<TableViewSpec> views = {
        tableView("HIMAS1", "HIMAS1", "TENCOD", "DSHIM1"),
        tableView("HIMAS2", "HIMAS2", "TANCOD", "DSHIM2"),
        tableView("HIMAS3", "HIMAS3", "KCODE", "DSHIM3"),
        tableView("HIMAS31", "HIMAS31", "", "DSHIM31"),
        tableView("HIMAS31S", "HIMAS31", "KCODE", "", kMain),
        tableView("HIMAS32", "HIMAS32", "", "DSHIMAS32"),
        tableView("HIMAS33", "HIMAS33", "", "DSHIM33"),
        tableView("HIMASH31", "HIMASH31", "", "DSHIMH31"),
        tableView("HITRAN1", "HITRAN1", "", "DSHIT1"),
        tableView("HIT1Rep", "HITRAN1", "CODE", "DSHIT1Rep", kMain),
        tableView("HIT1Rep", "HITRAN1", "", "DSHIT1Rep", kWork),
        tableView("HITRAN11", "HITRAN11", "", "DSHIT11"),
        tableView("HITRAN2", "HITRAN2", "", "DSHIT2"),
        tableView("HITRAN3", "HITRAN3", "", "DSHIT3"),
        tableView("HITRANM", "HITRANM", "", "DSHITM"),
        tableView("HITRANS", "HITRANS", "", "DSHITS"),
        tableView("SHOZEI", "SHOZEI", "", "DSSHOZEI"),
        tableView("AZUKARI", "AZUKARI", "", "DSAZUKARI"),
        tableView("FLG_DATA", "FLG_DATA", "", ""),
        tableView("WK_SEIKYU", "WK_SEIKYU", "", ""),
        tableView("WK_SEK_HED", "WK_SEK_HED", "", "DSWK_SEK_HED"),
        tableView("WK_SEIKYU2", "WK_SEIKYU2", "", ""),
        tableView("COP_DAT", "COP_DAT", "", "DS_COP_DAT"),
        tableView("S_CONTROL", "S_CONTROL", "CODE", "DSS_Control"),
        tableView("Table1", "", "", ""),
    };
    return views;
}

const QList<QueryViewSpec>& ViewCatalog::queryViews() {
    static const QList<QueryViewSpec> views = {
        queryView("Q_HIM3", "SELECT * FROM HIMAS3 ORDER BY KCODE", "DSQ_HIM3"),
        queryView("Q_HIM3TSK", "SELECT * FROM HIMAS3", "DSQ_HIM3TSK"),
        queryView("Q_HIM3YSK", "SELECT * FROM HIMAS3", "DSQ_HIM3YSK"),
        queryView("Q_HIM3T_LQ", "SELECT * FROM HIMAS3 WHERE KCODE = :KCODE", ""),
        queryView("Q_HIM3Y_LQ", "SELECT * FROM HIMAS3 WHERE YCODE = :YCODE", ""),
        queryView("Q_HIM2_LQ", "SELECT * FROM HIMAS2 WHERE TANCOD = :TANCOD", ""),
        queryView("Q_HIM3S", "SELECT * FROM HIMAS3 WHERE SIME = :SIME ORDER BY KCODE", "DSQ_HIM3S"),
        queryView("Q_HIM3SQ", "SELECT * FROM HIMAS3 WHERE SIME = :SIME ORDER BY KCODE", ""),
        queryView("Q_HIM1", "SELECT * FROM HIMAS1 ORDER BY TENCOD", "DSQ_HIM1", kMain),
        queryView("Q_HIT1SK", "SELECT * FROM HITRAN1 ORDER BY CODE DESC", "DSQ_HIT1SK"),
        queryView("Q_HIT2SK", "SELECT * FROM HITRAN2 ORDER BY CODE DESC", "DSQ_HIT2SK"),
        queryView("Q_HIT3SK", "SELECT * FROM HITRAN3 ORDER BY CODE DESC", "DSQ_HIT3SK"),
        queryView("Q_HIT1_Mx", "SELECT CODE FROM HITRAN1 ORDER BY CODE DESC", ""),
        queryView("Q_HIT2_Mx", "SELECT CODE FROM HITRAN2 ORDER BY CODE DESC", ""),
        queryView("Q_HIT3_Mx", "SELECT CODE FROM HITRAN3 ORDER BY CODE DESC", ""),
        queryView("Q_HIT1QR", "SELECT * FROM HITRAN1 ORDER BY CODE", "DSQ_HIT1QR", kMain),
        queryView("Q_HIT1QR", "SELECT * FROM HITRAN1", "DSQ_HIT1QR", kWork),
        queryView("Q_HIT2R", "SELECT * FROM HITRAN2 ORDER BY HYMD DESC, KCODE", "DSQ_HIT2R"),
        queryView("Q_HIT3R", "SELECT * FROM HITRAN3 ORDER BY CODE", "DSQ_HIT3R", kMain),
        queryView("Q_HIT3R", "SELECT * FROM HITRAN3", "DSQ_HIT3R", kWork),
        queryView("Q_COP_DAT", "SELECT * FROM COP_DAT WHERE CODE = '1'", "DSQ_COP_DAT"),
        queryView("Q_Shozei", "SELECT * FROM SHOZEI WHERE CODE = 1", "DSQ_Shozei"),
        queryView("QWK_Seikyu", "SELECT * FROM WK_Seikyu ORDER BY KCODE,DDAY", "DSQWK_Seikyu"),
        queryView("f_siteF", "SELECT FDATA,FNAME FROM FLG_DATA WHERE GCODE = 1 ORDER BY FCODE",
                  "DSf_siteF"),
        queryView("f_YokinF", "SELECT FDATA,FNAME FROM FLG_DATA WHERE GCODE = 2 ORDER BY FCODE",
                  "DSf_YokinF"),
        queryView("f_SeikyuK", "SELECT FDATA,FNAME FROM FLG_DATA WHERE GCODE = 3 ORDER BY FCODE",
                  "DSf_SeikyuK"),
        // Scratch statements, rewritten line by line before each use.
        queryView("Query1", "SELECT * From HIMAS1", ""),
        queryView("Query2", "", ""),
        queryView("Q_Expr", "SELECT COUNT(*) FROM HITRAN1", ""),
        queryView("QuerySum", "SELECT SUM(UKING) FROM WK_SEIKYU", ""),
        // The working copy's list queries of the month-based reports and schedules, whose
        // text the report runner replaces before opening them.
        queryView("Q_HWRK1", "SELECT * FROM HWRK1 ORDER BY KCODE,DDAY,SHBAN", "DSQ_HWRK1", kWork),
        queryView("Q_HWRK2", "SELECT * FROM HWRK2 ORDER BY YCODE,DDAY,SHBAN", "DSQ_HWRK2", kWork),
        queryView("Q_HWRK3", "SELECT * FROM HWRK1 ORDER BY CODE", "", kWork),
        queryView("Q_HWRK31", "SELECT * FROM HWRK31 ORDER BY CODE", "DSQ_HWRK31", kWork),
        queryView("Q_HWRK32", "SELECT * FROM HWRK32", "DSQ_HWRK32", kWork),
        queryView("Q_UriBKM",
                  "SELECT HWRK1.*, HWRK31.SIME, HWRK31.SAIT, HWRK31.NUKING, HWRK31.HSKING, "
                  "HWRK31.URIZAN, HWRK31.SIRZAN FROM HWRK31 INNER JOIN HWRK1 ON HWRK31.KCODE = "
                  "HWRK1.KCODE ORDER BY CODE",
                  "DSQ_UriBKM", kWork),
        queryView("Q_SirBKM",
                  "SELECT HWRK1.*, HWRK31.SIME, HWRK31.SAIT, HWRK31.NUKING, HWRK31.HSKING, "
                  "HWRK31.URIZAN, HWRK31.SIRZAN FROM HWRK31 INNER JOIN HWRK1 ON HWRK31.YCODE = "
                  "HWRK1.YCODE ORDER BY CODE",
                  "DSQ_SirBKM", kWork),
    };
    return views;
}

}  // namespace vantir
