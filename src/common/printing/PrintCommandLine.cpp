#include "common/printing/PrintCommandLine.h"

#include <QRegularExpression>

#include "common/printing/PrintError.h"
#include "common/printing/PrintoutRegistry.h"
#include "platform/dates/DateText.h"

namespace vantir {

namespace {

// One option of the command line: its name, the selection it belongs to, where its value
// goes and what the value looks like.
struct OptionForm {
    const char* name;
    PrintOption option;
    QString PrintSelection::*field;
    const char* placeholder;
};

const OptionForm kOptionForms[] = {
    {"--date", PrintOption::Date, &PrintSelection::date, "YY/MM/DD"},
    {"--kind", PrintOption::Kind, &PrintSelection::kind, "KIND"},
    {"--sime", PrintOption::Sime, &PrintSelection::sime, "DD"},
    {"--month", PrintOption::Month, &PrintSelection::month, "YY/MM"},
    {"--from", PrintOption::CodeRange, &PrintSelection::from, "CODE"},
    {"--to", PrintOption::CodeRange, &PrintSelection::to, "CODE"},
    {"--since", PrintOption::DateRange, &PrintSelection::since, "YY/MM/DD"},
    {"--until", PrintOption::DateRange, &PrintSelection::until, "YY/MM/DD"},
    {"--partner", PrintOption::Partner, &PrintSelection::partner, "CODE"},
    {"--choice", PrintOption::Choice, &PrintSelection::choice, "N"},
};

const OptionForm* formNamed(const QString& name) {
    for (const OptionForm& form : kOptionForms)
        if (name == QLatin1String(form.name)) return &form;
    return nullptr;
}

// The options of one selection as written on the command line: "--from CODE --to CODE",
// "--kind HYMD|THYMD|DDAY" with the printout's kinds.
QString formsOf(const Printout& printout, PrintOption option) {
    QStringList parts;
    for (const OptionForm& form : kOptionForms) {
        if (form.option != option) continue;
        const QString value = option == PrintOption::Kind && !printout.kinds.isEmpty()
                                  ? printout.kinds.join(QLatin1Char('|'))
                                  : QLatin1String(form.placeholder);
        parts << QLatin1String(form.name) + QLatin1Char(' ') + value;
    }
    return parts.join(QLatin1Char(' '));
}

// Dates and months are written exactly as they are stored: "26/01/05", not "26/1/5".
bool isDate(const QString& text) {
    const std::optional<QDate> date = parseYyMmDd(text);
    return date && formatYyMmDd(*date) == text;
}

bool isMonth(const QString& text) {
    int year = 0;
    int month = 0;
    return parseYyMm(text, &year, &month) && formatYyMm(year, month) == text;
}

// A closing day: "01" to the printout's last closing day, or "99" for the month end.
bool isClosingDay(const QString& text, int lastClosingDay) {
    static const QRegularExpression twoDigits(QStringLiteral("^[0-9]{2}$"));
    if (!twoDigits.match(text).hasMatch()) return false;
    const int day = text.toInt();
    return (day >= 1 && day <= lastClosingDay) || day == 99;
}

void checkValue(const Printout& printout, const OptionForm& form, const QString& value) {
    const QString name = QLatin1String(form.name);
    switch (form.option) {
        case PrintOption::Date:
        case PrintOption::DateRange:
            if (!isDate(value))
                throw PrintError(QStringLiteral("%1 %2 is not a date YY/MM/DD").arg(name, value));
            break;
        case PrintOption::Month:
            if (!isMonth(value))
                throw PrintError(QStringLiteral("%1 %2 is not a month YY/MM").arg(name, value));
            break;
        case PrintOption::Sime:
            if (!isClosingDay(value, printout.lastClosingDay))
                throw PrintError(QStringLiteral("%1 %2 is not a closing day DD (01 to %3, or 99 "
                                                "for the month end)")
                                     .arg(name, value, QString::number(printout.lastClosingDay)));
            break;
        case PrintOption::Kind:
            if (!printout.kinds.contains(value))
                throw PrintError(QStringLiteral("%1 %2 is not one of %3")
                                     .arg(name, value, printout.kinds.join(QStringLiteral(", "))));
            break;
        case PrintOption::Choice:
            if (value.size() != 1 || !value[0].isDigit())
                throw PrintError(QStringLiteral("%1 %2 is not one digit").arg(name, value));
            break;
        case PrintOption::CodeRange:
        case PrintOption::Partner:
            break;  // codes are text as typed, leading zeros and all
    }
}

// Both ends of a range or neither; the start not after the end.
void checkRange(const QString& fromName, const QString& from, const QString& toName,
                const QString& to, bool dates) {
    if (from.isEmpty() != to.isEmpty())
        throw PrintError(QStringLiteral("%1 and %2 go together").arg(fromName, toName));
    if (from.isEmpty()) return;
    const bool after = dates ? *parseYyMmDd(from) > *parseYyMmDd(to) : from > to;
    if (after)
        throw PrintError(QStringLiteral("%1 %2 is after %3 %4").arg(fromName, from, toName, to));
}

// Whether an option at i has its value after it: a word that is not the next option.
bool valueFollows(const QStringList& args, qsizetype i) {
    return i + 1 < args.size() && !args[i + 1].isEmpty() &&
           !args[i + 1].startsWith(QLatin1String("--"));
}

bool isGiven(const PrintSelection& selection, PrintOption option) {
    for (const OptionForm& form : kOptionForms)
        if (form.option == option && !(selection.*form.field).isEmpty()) return true;
    return false;
}

}  // namespace

PrintRequest PrintCommandLine::parse(const PrintoutRegistry& registry, const QStringList& args) {
    if (args.isEmpty() || args.first().startsWith(QLatin1String("--")))
        throw PrintError(
            QStringLiteral("name the printout: print NAME [options] (--pdf FILE | --text FILE)"));
    PrintRequest request;
    request.printout = args.first();
    const Printout& printout = registry.find(request.printout);
    QStringList options;
    int outputs = 0;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool pdf = arg == QLatin1String("--pdf");
        if (!pdf && arg != QLatin1String("--text")) {
            options << arg;
            continue;
        }
        if (!valueFollows(args, i))
            throw PrintError(QStringLiteral("%1 needs a value FILE").arg(arg));
        request.output = pdf ? PrintRequest::Output::Pdf : PrintRequest::Output::Text;
        request.path = args[++i];
        ++outputs;
    }
    if (outputs != 1) throw PrintError(QStringLiteral("give one of --pdf FILE and --text FILE"));
    request.selection = parseOptions(printout, options);
    return request;
}

PrintSelection PrintCommandLine::parseOptions(const Printout& printout, const QStringList& args) {
    PrintSelection selection;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const OptionForm* form = formNamed(arg);
        if (!form) {
            throw PrintError(arg.startsWith(QLatin1String("--"))
                                 ? QStringLiteral("unknown option %1").arg(arg)
                                 : QStringLiteral("unexpected argument %1").arg(arg));
        }
        if (!printout.takes(form->option))
            throw PrintError(QStringLiteral("%1 does not take %2; it takes: %3")
                                 .arg(printout.name, arg, usage(printout)));
        if (!valueFollows(args, i))
            throw PrintError(
                QStringLiteral("%1 needs a value %2").arg(arg, QLatin1String(form->placeholder)));
        QString& field = selection.*form->field;
        if (!field.isEmpty()) throw PrintError(QStringLiteral("%1 is given twice").arg(arg));
        field = args[++i];
        checkValue(printout, *form, field);
    }
    checkRange(QStringLiteral("--from"), selection.from, QStringLiteral("--to"), selection.to,
               /*dates=*/false);
    checkRange(QStringLiteral("--since"), selection.since, QStringLiteral("--until"),
               selection.until, /*dates=*/true);
    for (const PrintoutOption& option : printout.options) {
        if (option.required && !isGiven(selection, option.option))
            throw PrintError(
                QStringLiteral("%1 needs %2").arg(printout.name, formsOf(printout, option.option)));
    }
    return selection;
}

QString PrintCommandLine::usage(const Printout& printout) {
    QStringList parts;
    for (const PrintoutOption& option : printout.options) {
        const QString forms = formsOf(printout, option.option);
        parts << (option.required ? forms : QLatin1Char('[') + forms + QLatin1Char(']'));
    }
    return parts.join(QLatin1Char(' '));
}

}  // namespace vantir
