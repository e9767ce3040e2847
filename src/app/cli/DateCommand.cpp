#include <iterator>

#include "app/cli/CliContext.h"
#include "common/rules/ClosingPeriod.h"
#include "common/rules/DueDate.h"
#include "common/rules/FiscalYearStart.h"

namespace vantir {

namespace {

// One form of `date`: the rule's name on the command line, how many values it takes and
// the rule itself, giving the text to print.
struct DateRuleForm {
    const char* name;
    qsizetype argumentCount;
    DateRuleResult<QString> (*apply)(const QStringList& values);
};

const DateRuleForm kDateRuleForms[] = {
    {"closing-period", 2,
     [](const QStringList& values) {
         const auto period = closingPeriod(values[0], values[1]);
         if (!period) return DateRuleResult<QString>::refused(period.message);
         return DateRuleResult<QString>::of(period.value->start + u' ' + period.value->end);
     }},
    {"fiscal-start", 3,
     [](const QStringList& values) { return fiscalYearStart(values[0], values[1], values[2]); }},
    {"due-by-site", 3,
     [](const QStringList& values) { return DueDateBySite(values[0], values[1], values[2]); }},
    {"due-by-payday", 4,
     [](const QStringList& values) {
         return DueDateByPayDay(values[0], values[1], values[2], values[3]);
     }},
};

int printUsage(CliContext& context) {
    context.err << "usage: vantir-cli date closing-period C YY/MM | fiscal-start YY/MM VKETU VSIM"
                   " | due-by-site YY/MM C SITE | due-by-payday YY/MM C MONTHS PAYDAY"
                << Qt::endl;
    return 2;
}

}  // namespace

// Prints what a closing-day or due-date rule gives for the values on the command line, so
// that scripts and checks see exactly the dates the monthly aggregation would store.
int runDateCommand(CliContext& context, const QStringList& args) {
    if (args.isEmpty()) return printUsage(context);
    const QStringList values = args.mid(1);
    for (const DateRuleForm& form : kDateRuleForms) {
        if (args.first() != QLatin1String(form.name)) continue;
        if (values.size() != form.argumentCount) return printUsage(context);
        const DateRuleResult<QString> result = form.apply(values);
        if (!result) {
            context.err << result.message << Qt::endl;
            return 1;
        }
        context.out << *result.value << Qt::endl;
        return 0;
    }
    return printUsage(context);
}

}  // namespace vantir
