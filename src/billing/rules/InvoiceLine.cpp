#include "billing/rules/InvoiceLine.h"

#include "platform/dataset/Dataset.h"

namespace vantir {

QList<InvoiceLine> InvoiceLine::readAll(const Dataset& slips) {
    auto field = [&](const char* column) { return slips.fieldIndex(QString::fromLatin1(column)); };
    const int dday = field("DDAY"), hatti = field("HATTI"), thtti = field("THTTI"),
              biko = field("BIKO"), ton = field("TON"), shban = field("SHBAN"),
              uking = field("UKING"), uhiyo = field("UHIYO");
    QList<InvoiceLine> lines;
    for (int row = 0; row < slips.recordCount(); ++row) {
        auto text = [&](int column) { return slips.valueAt(row, column).toString(); };
        lines.append({text(dday), text(hatti), text(thtti), text(biko), text(ton), text(shban),
                      slips.valueAt(row, uking).toLongLong(),
                      slips.valueAt(row, uhiyo).toLongLong()});
    }
    return lines;
}

}  // namespace vantir
