#include "monthly/rules/SlipLayout.h"

namespace vantir {

const QStringList& SlipLayout::columns() {
    static const QStringList names = QStringLiteral(
        "HYMD,THYMD,CODE,SEKBN,DDAY,KCODE,KNAME,HATTI,THTTI,TON,UKING,YCODE,YNAME,SHBAN,YKING,"
        "SKING,BIKO,UHIYO,SHIYO,TANCOD,TANMEI,INKING,INSKING,SUB1,SUBM,CHKDAY,SHOZEI,ZKING,GKING")
                                         .split(u',');
    return names;
}

}  // namespace vantir
