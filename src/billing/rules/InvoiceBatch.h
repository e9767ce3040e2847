#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "billing/rules/BillingPeriod.h"

namespace vantir {

class DataModule1;
class DataModule2;
struct AppState;

// Month-end invoicing without the dialog: what the dialog leaves in WK_SEIKYU,
// WK_SEK_HED, HITRANM and the marks of HIMAS3, for one customer or for every customer of
// a closing day with sales in the period.
struct InvoiceBatchRequest {
    QString closingDay;
    QString customer;  // one customer's code, or empty with allCustomers
    bool allCustomers = false;
    BillingPeriod period;
    std::optional<qint64> discountRate;  // percent; the summary invoice is made when
    std::optional<qint64> discount;      // either is given (yen)
    QString pdfFolder;                   // each customer's invoices as PDF files, when not empty
    QString escpFile;  // the dot-matrix streams appended to this file, when not empty
};

// For --all the customers are marked as "検索" marks them (slip housekeeping, dates
// compared as dates) and taken in code order; then for each "印刷", and with a discount
// "合計印刷". The detailed invoice goes to "<code>_<yymmdd>.pdf" on the page form of the
// company's paper (QR_Seikyu, or QR_Seikyu2 on continuous forms), the summary to
// "<code>_<yymmdd>_H.pdf"; yymmdd is the period end. Each customer done is reported by
// one line. Throws (DbError, PrintError, ReportError, std::runtime_error) at the first
// failure; the customers before it stay invoiced.
class InvoiceBatch {
  public:
    InvoiceBatch(DataModule1& dm1, DataModule2& dm2, const AppState& state);

    void run(const InvoiceBatchRequest& request,
             const std::function<void(const QString& line)>& report);

  private:
    struct Customer {
        QString code;
        QString name;
    };
    QList<Customer> customers(const InvoiceBatchRequest& request);

    DataModule1& dm1_;
    DataModule2& dm2_;
    const AppState& state_;
};

}  // namespace vantir
