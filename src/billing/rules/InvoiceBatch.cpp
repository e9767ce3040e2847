#include "billing/rules/InvoiceBatch.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

#include "billing/rules/BillingPrintouts.h"
#include "billing/rules/DotMatrixCopy.h"
#include "billing/rules/InvoiceCustomerMarks.h"
#include "billing/rules/InvoiceLayoutChoice.h"
#include "billing/rules/InvoiceRun.h"
#include "billing/rules/InvoiceSheet.h"
#include "billing/rules/SlipHousekeeping.h"
#include "common/printing/PrintRunner.h"
#include "common/printing/PrintoutRegistry.h"
#include "data/AppState.h"
#include "data/DataModule1.h"
#include "data/DataModule2.h"
#include "platform/db/Statement.h"
#include "platform/report/NumberMask.h"

namespace vantir {

namespace {

QString yen(qint64 amount) {
    static const NumberMask mask(QStringLiteral("#,##0"));
    return mask.format(QVariant::fromValue(amount));
}

[[noreturn]] void fail(const QString& message) { throw std::runtime_error(message.toStdString()); }

void appendTo(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write %1 (%2)").arg(path, file.errorString()));
}

}  // namespace

InvoiceBatch::InvoiceBatch(DataModule1& dm1, DataModule2& dm2, const AppState& state)
    : dm1_(dm1), dm2_(dm2), state_(state) {}

QList<InvoiceBatch::Customer> InvoiceBatch::customers(const InvoiceBatchRequest& request) {
    Connection& connection = dm1_.database().connection();
    QString sql;
    Params params;
    if (request.allCustomers) {
        SlipHousekeeping::run(connection);
        InvoiceCustomerMarks::remark(connection, request.closingDay, request.period,
                                     MarkComparison::Date);
        sql = QStringLiteral(
            "SELECT KCODE, KNAME FROM HIMAS3 WHERE SIME = :SIME AND URI_FLG > 0 ORDER BY KCODE");
        params = {{QStringLiteral("SIME"), request.closingDay}};
    } else {
        sql = QStringLiteral("SELECT KCODE, KNAME FROM HIMAS3 WHERE KCODE = :KCODE");
        params = {{QStringLiteral("KCODE"), request.customer}};
    }
    Statement rows = connection.prepare(sql);
    for (const auto& [name, value] : params) rows.bind(name, value);
    QList<Customer> found;
    while (rows.step()) found.append({rows.value(0).toString(), rows.value(1).toString()});
    if (!request.allCustomers && found.isEmpty())
        fail(QStringLiteral("no customer %1 in HIMAS3").arg(request.customer));
    return found.mid(0, request.allCustomers ? -1 : 1);
}

void InvoiceBatch::run(const InvoiceBatchRequest& request,
                       const std::function<void(const QString& line)>& report) {
    const InvoiceLayoutChoice choice =
        InvoiceLayoutChoice::of(state_.EditRpt_Flg, state_.EditRpt_Flg2);
    PrintoutRegistry registry;
    registerBillingPrintouts(registry);
    const PrintRunner runner(registry, {dm1_, dm2_});
    const bool summary = request.discountRate.has_value() || request.discount.has_value();
    if (request.discount && *request.discount < 0)
        fail(QStringLiteral("the discount must be 0 yen or more"));
    const QString periodEnd = QString(request.period.last).remove(QLatin1Char('/'));
    InvoiceRun run(dm1_);

    for (const Customer& customer : customers(request)) {
        const Result printed = run.print(customer.code, customer.name, request.period);
        if (!printed) fail(printed.message);
        qint64 discount = request.discount.value_or(0);
        if (request.discountRate)
            discount = run.discountForRate(customer.code, request.period, *request.discountRate)
                           .value_or(0);
        if (summary) run.applyDiscount(customer.code, request.period, discount);

        QStringList files;
        if (!request.pdfFolder.isEmpty()) {
            const QDir folder(request.pdfFolder);
            const QString base = customer.code + QLatin1Char('_') + periodEnd;
            files << folder.filePath(base + QStringLiteral(".pdf"));
            runner.writePdf(choice.detailedPageForm(), {}, files.last());
            if (summary) {
                files << folder.filePath(base + QStringLiteral("_H.pdf"));
                runner.writePdf(choice.summary, {}, files.last());
            }
        }
        if (!request.escpFile.isEmpty()) {
            appendTo(request.escpFile, DotMatrixCopy::bytes(dm1_));
            files << request.escpFile;
        }

        const InvoiceSheet sheet = InvoiceSheet::read(dm1_);
        QString line = QStringLiteral("%1 %2 %3-%4 売上 %5 費用 %6")
                           .arg(customer.code, customer.name, request.period.first,
                                request.period.last, yen(sheet.UKING), yen(sheet.UHIYO));
        if (summary) line += QStringLiteral(" 値引 ") + yen(sheet.SKING);
        line += QStringLiteral(" 消費税 %1 請求額 %2").arg(yen(sheet.ZKING), yen(sheet.GKING));
        if (!files.isEmpty()) line += QLatin1Char(' ') + files.join(QLatin1Char(' '));
        report(line);
    }
}

}  // namespace vantir
