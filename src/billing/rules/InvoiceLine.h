#pragma once

#include <QList>
#include <QString>

namespace vantir {

class Dataset;

// One slip as the dot-matrix invoice prints it.
struct InvoiceLine {
    QString DDAY, HATTI, THTTI, BIKO, TON, SHBAN;
    qint64 UKING = 0;
    qint64 UHIYO = 0;

    // The rows of an open view over WK_SEIKYU (QWK_Seikyu), in its order; NULL reads as
    // empty text or 0. The view's current record does not move.
    static QList<InvoiceLine> readAll(const Dataset& slips);
};

}  // namespace vantir
