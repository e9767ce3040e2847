#include "data/FlgDataRows.h"

#include "platform/db/Connection.h"

namespace vantir {

const QList<FlgDataRow>& FlgDataRows::all() {
    static const QList<FlgDataRow> rows = {
        {1, 1, QStringLiteral("f_siteF"), QStringLiteral("1"), QStringLiteral("自社締日")},
        {2, 1, QStringLiteral("f_siteF"), QStringLiteral("2"), QStringLiteral("通常")},
        {3, 1, QStringLiteral("f_siteF"), QStringLiteral("3"), QStringLiteral("相手締相殺")},
        {4, 2, QStringLiteral("f_YokinF"), QStringLiteral("1"), QStringLiteral("普通")},
        {5, 2, QStringLiteral("f_YokinF"), QStringLiteral("2"), QStringLiteral("当座")},
        {6, 3, QStringLiteral("f_SeikyuK"), QStringLiteral("0"), QStringLiteral("通常")},
        {7, 3, QStringLiteral("f_SeikyuK"), QStringLiteral("1"), QStringLiteral("降し日")},
    };
    return rows;
}

void FlgDataRows::insertInto(Connection& connection) {
    for (const FlgDataRow& row : all()) {
        connection.execute(QStringLiteral("INSERT INTO FLG_DATA\n"
                                          "(FCODE,GCODE,GNAME,FDATA,FNAME)\n"
                                          "VALUES (:FCODE,:GCODE,:GNAME,:FDATA,:FNAME)"),
                           {{QStringLiteral("FCODE"), row.fcode},
                            {QStringLiteral("GCODE"), row.gcode},
                            {QStringLiteral("GNAME"), row.gname},
                            {QStringLiteral("FDATA"), row.fdata},
                            {QStringLiteral("FNAME"), row.fname}});
    }
}

}  // namespace vantir
