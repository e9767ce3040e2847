#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "app/cli/CliContext.h"
#include "billing/rules/BillingPeriod.h"
#include "billing/rules/InvoiceBatch.h"
#include "common/printing/ReportLayoutSwitches.h"
#include "common/rules/CodeZeroFill.h"
#include "data/AppState.h"
#include "data/DataModule1.h"
#include "data/DataModule2.h"
#include "data/DatabaseFiles.h"
#include "data/HookTargets.h"
#include "platform/dates/DateText.h"
#include "platform/system/Clock.h"

namespace vantir {

namespace {

const char* const kUsage =
    "usage: vantir-cli [--dir PATH] invoice --sime DD (--customer CODE | --all)\n"
    "         [--since YY/MM/DD --until YY/MM/DD] [--discount-rate P | --discount YEN]\n"
    "         [--pdf-dir DIR] [--escp FILE]\n";

// A bad command line: the message, then the usage.
struct UsageError {
    QString message;
};

bool isClosingDay(const QString& text) {
    static const QRegularExpression twoDigits(QStringLiteral("^[0-9]{2}$"));
    const int day = text.toInt();
    return twoDigits.match(text).hasMatch() && ((day >= 1 && day <= 28) || day == 99);
}

bool isDate(const QString& text) {
    const std::optional<QDate> date = parseYyMmDd(text);
    return date && formatYyMmDd(*date) == text;
}

qint64 wholeNumber(const QString& option, const QString& text) {
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok) throw UsageError{QStringLiteral("%1 %2 is not a whole number").arg(option, text)};
    return value;
}

InvoiceBatchRequest parse(const QStringList& args) {
    QHash<QString, QString> values;
    bool all = false;
    const QStringList valued{"--sime",     "--customer",      "--since",   "--until",
                             "--discount", "--discount-rate", "--pdf-dir", "--escp"};
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--all")) {
            all = true;
            continue;
        }
        if (!valued.contains(arg)) throw UsageError{QStringLiteral("unknown argument %1").arg(arg)};
        if (i + 1 >= args.size() || args[i + 1].startsWith(QLatin1String("--")))
            throw UsageError{QStringLiteral("%1 needs a value").arg(arg)};
        if (values.contains(arg)) throw UsageError{QStringLiteral("%1 is given twice").arg(arg)};
        values.insert(arg, args[++i]);
    }
    InvoiceBatchRequest request;
    request.closingDay = values.value(QStringLiteral("--sime"));
    if (!isClosingDay(request.closingDay))
        throw UsageError{QStringLiteral("--sime DD is needed: a closing day 01 to 28, or 99")};
    const bool one = values.contains(QStringLiteral("--customer"));
    if (one == all) throw UsageError{QStringLiteral("give one of --customer CODE and --all")};
    request.allCustomers = all;
    request.customer = zeroFilledCode(values.value(QStringLiteral("--customer")));

    const QString since = values.value(QStringLiteral("--since"));
    const QString until = values.value(QStringLiteral("--until"));
    if (since.isEmpty() != until.isEmpty())
        throw UsageError{QStringLiteral("--since and --until go together")};
    if (since.isEmpty()) {
        const DateRuleResult<BillingPeriod> period =
            billingPeriod(request.closingDay, Clock::today());
        if (!period) throw UsageError{period.message};
        request.period = *period.value;
    } else {
        for (const QString& date : {since, until})
            if (!isDate(date))
                throw UsageError{QStringLiteral("%1 is not a date YY/MM/DD").arg(date)};
        if (*parseYyMmDd(since) > *parseYyMmDd(until))
            throw UsageError{QStringLiteral("--since %1 is after --until %2").arg(since, until)};
        request.period = {since, until};
    }

    const bool rate = values.contains(QStringLiteral("--discount-rate"));
    const bool amount = values.contains(QStringLiteral("--discount"));
    if (rate && amount)
        throw UsageError{QStringLiteral("give --discount-rate or --discount, not both")};
    if (rate)
        request.discountRate = wholeNumber(QStringLiteral("--discount-rate"),
                                           values.value(QStringLiteral("--discount-rate")));
    if (amount) {
        request.discount =
            wholeNumber(QStringLiteral("--discount"), values.value(QStringLiteral("--discount")));
        if (*request.discount < 0)
            throw UsageError{QStringLiteral("--discount YEN must be 0 or more")};
    }
    request.pdfFolder = values.value(QStringLiteral("--pdf-dir"));
    if (!request.pdfFolder.isEmpty() && !QFileInfo(request.pdfFolder).isDir())
        throw UsageError{QStringLiteral("--pdf-dir %1 is not a folder").arg(request.pdfFolder)};
    request.escpFile = values.value(QStringLiteral("--escp"));
    return request;
}

}  // namespace

// invoice: "印刷" (and "合計印刷" with a discount) for one customer or every customer of a
// closing day with sales in the period, one line per customer.
int runInvoiceCommand(CliContext& context, const QStringList& args) {
    InvoiceBatchRequest request;
    try {
        request = parse(args);
    } catch (const UsageError& error) {
        context.err << "vantir-cli: " << error.message << '\n' << kUsage;
        return 2;
    }
    const QString path = DatabaseFiles::mainDatabase(context.programDir);
    if (!QFileInfo::exists(path)) {
        context.err << "vantir-cli: no database at " << QDir::toNativeSeparators(path) << '\n';
        return 1;
    }
    AppState state;
    HookTargets targets;
    DataModule1 dm1(context.programDir, state, targets);
    DataModule2 dm2(context.programDir, state, targets);
    try {
        readReportLayoutSwitches(dm1, state);
        InvoiceBatch(dm1, dm2, state).run(request, [&](const QString& line) {
            context.out << line << '\n';
            context.out.flush();
        });
    } catch (const std::exception& error) {
        // DbError, PrintError, ReportError and the batch's own failures all carry their
        // message as UTF-8.
        context.err << "vantir-cli: " << QString::fromStdString(error.what()) << '\n';
        return 1;
    }
    return 0;
}

}  // namespace vantir
