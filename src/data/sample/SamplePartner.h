#pragma once

#include <QString>
#include <QtGlobal>

namespace vantir {

// What the slips, receipts and payments of a sample company need to know of a partner.
struct SamplePartner {
    QString kcode;
    QString kname;
    QString ycode;
    QString kind;  // KY_KBN: "1" customer, "2" carrier, "0" both
    QString sime;  // closing day, "01"-"28" or "99"
    qint64 urizan = 0;
    qint64 sirzan = 0;

    bool isCustomer() const { return kind != QLatin1String("2"); }
    bool isCarrier() const { return kind != QLatin1String("1"); }
};

}  // namespace vantir
