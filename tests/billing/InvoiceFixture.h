#pragma once

#include "billing/rules/BillingPeriod.h"
#include "support/DataModuleTest.h"
#include "support/Seed.h"

namespace vantir::test {

// A slip of HITRAN1 billed on dday to a customer.
inline SeedRow slip(int code, const char* dday, const char* kcode, QVariant uking,
                    QVariant uhiyo = 0) {
    return {{"CODE", QString::number(code)},
            {"HYMD", QString::fromLatin1(dday)},
            {"SEKBN", QStringLiteral("0")},
            {"DDAY", QString::fromLatin1(dday)},
            {"KCODE", QString::fromLatin1(kcode)},
            {"UKING", uking},
            {"UHIYO", uhiyo}};
}

inline SeedRow customer(const char* kcode, const char* kname, const char* sime) {
    return {{"KCODE", QString::fromLatin1(kcode)},
            {"KNAME", QString::fromUtf8(kname)},
            {"SIME", QString::fromLatin1(sime)},
            {"KZIP", QStringLiteral("100-0001")},
            {"KADD1", QStringLiteral("東京都千代田区千代田1-1")},
            {"KADD2", QStringLiteral("丸山ビル3F")},
            {"URI_FLG", 0}};
}

// The main database with a tax rate of 5 % and the company record, for invoice runs.
class InvoiceFixture : public DataModuleTest {
  protected:
    void SetUp() override {
        execute("UPDATE SHOZEI SET ZEIGAKU = 5 WHERE CODE = 1");
        execute(
            "UPDATE COP_DAT SET CNAME = 'ヴァンティル運輸株式会社', CZIP = '105-0011', "
            "CADD1 = '東京都港区芝公園4-2-8', CTEL = '03-1234-5678', CFAX = '03-1234-5679', "
            "CBANK = 'みずほ銀行 芝支店 普通 1234567', CETC = '安全・確実・迅速' WHERE CODE = '1'");
    }

    void execute(const char* sql) { dm1.database().connection().execute(QString::fromUtf8(sql)); }
    QStringList rows(const char* sql) {
        return rowsOf(dm1.database().connection(), QString::fromUtf8(sql));
    }

    static BillingPeriod february() {
        return {QStringLiteral("24/01/21"), QStringLiteral("24/02/20")};
    }
};

}  // namespace vantir::test
