#include "billing/rules/InvoiceSheet.h"

#include "data/DataModule1.h"
#include "platform/dataset/Dataset.h"

namespace vantir {

namespace {

Dataset& reopened(DataModule1& dm1, const char* view) {
    Dataset& dataset = dm1.view(QString::fromLatin1(view));
    dataset.close();
    dataset.open();
    dataset.first();
    return dataset;
}

}  // namespace

InvoiceSheet InvoiceSheet::read(DataModule1& dm1) {
    InvoiceSheet sheet;
    const Dataset& header = reopened(dm1, "WK_SEK_HED");
    if (!header.isEmpty()) {
        auto text = [&](const char* column) { return header.text(QString::fromLatin1(column)); };
        auto yen = [&](const char* column) {
            return header.value(QString::fromLatin1(column)).toLongLong();
        };
        sheet.KCODE = text("KCODE");
        sheet.KNAME = text("KNAME");
        sheet.THYMD = text("THYMD");
        sheet.KZIP = text("KZIP");
        sheet.KADD1 = text("KADD1");
        sheet.KADD2 = text("KADD2");
        sheet.UKING = yen("UKING");
        sheet.UHIYO = yen("UHIYO");
        sheet.SKING = yen("SKING");
        sheet.ZKING = yen("ZKING");
        sheet.GKING = yen("GKING");
    }
    const Dataset& rate = reopened(dm1, "Q_Shozei");
    if (!rate.isEmpty()) sheet.ZEIGAKU = rate.value(QStringLiteral("ZEIGAKU")).toLongLong();
    const Dataset& company = reopened(dm1, "Q_COP_DAT");
    if (!company.isEmpty()) {
        auto text = [&](const char* column) { return company.text(QString::fromLatin1(column)); };
        sheet.CNAME = text("CNAME");
        sheet.CZIP = text("CZIP");
        sheet.CADD1 = text("CADD1");
        sheet.CTEL = text("CTEL");
        sheet.CFAX = text("CFAX");
        sheet.CBANK = text("CBANK");
        sheet.CETC = text("CETC");
    }
    return sheet;
}

}  // namespace vantir
