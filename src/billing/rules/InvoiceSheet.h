#pragma once

#include <QString>

namespace vantir {

class DataModule1;

// What an invoice prints besides its slip lines: the header row of WK_SEK_HED with the
// customer's postal code and address looked up in HIMAS3, the tax rate of SHOZEI and the
// company block of COP_DAT. Amounts NULL in the row read as 0.
struct InvoiceSheet {
    QString KCODE, KNAME, THYMD, KZIP, KADD1, KADD2;
    qint64 UKING = 0, UHIYO = 0, SKING = 0, ZKING = 0, GKING = 0;
    qint64 ZEIGAKU = 0;
    QString CNAME, CZIP, CADD1, CTEL, CFAX, CBANK, CETC;

    // Reopens WK_SEK_HED, Q_COP_DAT and Q_Shozei, so the latest rows are read, and leaves
    // them open for the forms. A missing row leaves its values empty. Throws DbError.
    static InvoiceSheet read(DataModule1& dm1);
};

}  // namespace vantir
