#pragma once

#include <QString>
#include <optional>

#include "billing/rules/BillingPeriod.h"
#include "platform/dataset/Result.h"

namespace vantir {

class DataModule1;

// One customer's invoice for one billing period, in the main database:
//  - print ("印刷"): WK_SEIKYU and WK_SEK_HED emptied; the customer's slips whose DDAY
//    lies in the period (compared as text) copied into WK_SEIKYU; one header row in
//    WK_SEK_HED with KCODE, KNAME, DDAY = HYMD = first day, THYMD = last day, sales UKING,
//    costs UHIYO, rate SHOZEI, tax ZKING (cut toward zero) and total GKING = UKING + ZKING
//    + UHIYO; the customer's earlier header rows of that period end removed from HITRANM
//    and the new one appended there. Header rows are the HITRANM rows with an empty CODE
//    (NULL or ''); the sales-ledger lines of the same period end stay.
//  - discount ("合計印刷"): the header row and its copy in HITRANM get the discount SKING,
//    the tax on the net sales (halves to even) and the new total.
// Each runs as one transaction: a failure leaves the tables as they were. Throw DbError.
class InvoiceRun {
  public:
    explicit InvoiceRun(DataModule1& dm1) : dm1_(dm1) {}

    // Refused with "印刷する得意先を選択して下さい。" when the code is empty, and when the
    // tax rate row is missing; nothing is changed then. name is written as shown.
    Result print(const QString& code, const QString& name, const BillingPeriod& period);

    // The discount for a rate above 0 on the header's sales; nullopt for a rate of 0 or
    // less, which leaves the amount as it was.
    std::optional<qint64> discountForRate(const QString& code, const BillingPeriod& period,
                                          qint64 ratePercent);

    // Applies a discount of 0 or more; false (and nothing changed) for a negative one or
    // when the customer has no header row for the period end.
    bool applyDiscount(const QString& code, const BillingPeriod& period, qint64 discount);

    static QString noCustomerMessage() {
        return QStringLiteral("印刷する得意先を選択して下さい。");
    }
    static QString noTaxRateMessage() {
        return QStringLiteral("消費税率（SHOZEI の CODE 1）が登録されていません。");
    }

  private:
    struct Header {
        qint64 sales = 0;
        qint64 costs = 0;
        qint64 rate = 0;
    };
    std::optional<Header> readHeader(const QString& code, const BillingPeriod& period);
    std::optional<qint64> readTaxRate();

    DataModule1& dm1_;
};

}  // namespace vantir
