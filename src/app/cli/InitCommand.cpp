#include <QDir>
#include <QFileInfo>
#include <exception>
#include <optional>

#include "app/cli/CliContext.h"
#include "data/DatabaseFiles.h"
#include "data/FreshDatabase.h"
#include "data/sample/SampleCompany.h"
#include "maintenance/rules/OfficeSettingsFile.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"

namespace vantir {

namespace {

const char* const kUsage =
    "usage: vantir-cli [--dir PATH] init [--sample [--partners N] [--slips N] [--months N] "
    "[--seed S]]\n";

// One size option of the sample company: its bounds, why they are what they are, and
// where the value goes.
struct SampleOption {
    const char* name;
    qint64 low;
    qint64 high;
    const char* bounds;
    void (*store)(SampleCompanyOptions& options, qint64 value);
};

const SampleOption kSampleOptions[] = {
    {"--partners", SampleCompanyOptions::kMinPartners, SampleCompanyOptions::kMaxPartners,
     "one of each kind at least", [](SampleCompanyOptions& o, qint64 v) { o.partners = int(v); }},
    {"--slips", 0, SampleCompanyOptions::kMaxSlips, "slip numbers have six digits",
     [](SampleCompanyOptions& o, qint64 v) { o.slips = int(v); }},
    {"--months", 1, SampleCompanyOptions::kMaxMonths, "counted back from this month",
     [](SampleCompanyOptions& o, qint64 v) { o.months = int(v); }},
    {"--seed", 0, 4'294'967'295, "the same seed gives the same company",
     [](SampleCompanyOptions& o, qint64 v) { o.seed = quint32(v); }},
};

// What the command line asks for; `refusal` is set when it cannot be done as asked.
struct InitRequest {
    bool sample = false;
    SampleCompanyOptions options;
    QString refusal;
};

std::optional<qint64> wholeNumber(const QString& text) {
    if (text.isEmpty() || text.size() > 10) return std::nullopt;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
    }
    return text.toLongLong();
}

InitRequest parse(const QStringList& args) {
    InitRequest request;
    QStringList sizes;  // the size options given, which need --sample
    for (qsizetype at = 0; at < args.size(); ++at) {
        QString name = args[at];
        if (name == QLatin1String("--sample")) {
            request.sample = true;
            continue;
        }
        std::optional<QString> value;
        if (const qsizetype equals = name.indexOf(u'='); equals > 0) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        }
        const SampleOption* option = nullptr;
        for (const SampleOption& candidate : kSampleOptions) {
            if (name == QLatin1String(candidate.name)) option = &candidate;
        }
        if (option == nullptr) {
            request.refusal = QStringLiteral("unknown option %1").arg(args[at]);
            return request;
        }
        if (!value) {
            if (at + 1 >= args.size()) {
                request.refusal = QStringLiteral("%1 needs a value").arg(name);
                return request;
            }
            value = args[++at];
        }
        const std::optional<qint64> number = wholeNumber(*value);
        if (!number || *number < option->low || *number > option->high) {
            request.refusal =
                QStringLiteral("%1 takes a whole number from %2 to %3 (%4), not \"%5\"")
                    .arg(name)
                    .arg(option->low)
                    .arg(option->high)
                    .arg(QString::fromLatin1(option->bounds), *value);
            return request;
        }
        option->store(request.options, *number);
        sizes.append(name);
    }
    if (!request.sample && !sizes.isEmpty())
        request.refusal = QStringLiteral("%1 needs --sample").arg(sizes.front());
    return request;
}

int count(Connection& connection, const char* table) {
    return connection.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table))
        .toInt();
}

// What the sample company holds, so that the user sees the options took effect.
void describeSample(CliContext& context, const QString& path) {
    Connection connection;
    connection.open(path, /*create=*/false);
    context.out << "  " << count(connection, "HIMAS3") << " partners, "
                << count(connection, "HITRAN1") << " slips, " << count(connection, "HITRAN2")
                << " receipts, " << count(connection, "HITRAN3") << " payments";
    const QVariant first = connection.scalar(QStringLiteral("SELECT MIN(HYMD) FROM HITRAN1"));
    const QVariant last = connection.scalar(QStringLiteral("SELECT MAX(HYMD) FROM HITRAN1"));
    if (!first.isNull())
        context.out << ", slips dated " << first.toString() << " to " << last.toString();
    context.out << '\n';
}

// The own office, so that the first start does not ask for it; one already set stays.
void writeOwnOffice(CliContext& context) {
    const OfficeSettingsFile file(context.programDir);
    if (QFileInfo::exists(file.path())) return;
    const SampleWords::CodeName& office = SampleCompany::ownOffice();
    if (file.write({office.code, office.name})) {
        context.out << "created " << QDir::toNativeSeparators(file.path()) << " (own office "
                    << office.code << ' ' << office.name << ")\n";
    } else {
        context.err << "vantir-cli: " << QDir::toNativeSeparators(file.path())
                    << " cannot be written; the first start will ask for the own office\n";
    }
}

}  // namespace

// init [--sample ...]: a new main database with the fresh content, or with a sample
// company in it. An existing file is never replaced, and nothing is created when the
// options are refused.
int runInitCommand(CliContext& context, const QStringList& args) {
    const InitRequest request = parse(args);
    if (!request.refusal.isEmpty()) {
        context.err << "vantir-cli init: " << request.refusal << '\n' << kUsage;
        return 2;
    }
    const QString path = DatabaseFiles::mainDatabase(context.programDir);
    try {
        const Result created = request.sample ? SampleCompany::createFile(path, request.options)
                                              : FreshDatabase::createFile(path);
        if (!created) {
            context.err << "vantir-cli: " << created.message << '\n';
            return 1;
        }
        context.out << "created " << QDir::toNativeSeparators(path) << '\n';
        if (request.sample) {
            describeSample(context, path);
            writeOwnOffice(context);
        }
    } catch (const DbError& error) {
        context.err << "vantir-cli: " << error.message() << '\n';
        return 1;
    } catch (const std::exception& error) {
        context.err << "vantir-cli: " << error.what() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace vantir
