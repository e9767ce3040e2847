#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "common/printing/PrintOption.h"
#include "common/printing/PrintSelection.h"
#include "platform/report/PageSetup.h"
#include "platform/report/ReportDefinition.h"

namespace vantir {

class DataModule1;
class DataModule2;
class Dataset;

// The two data modules a printout's query may use.
struct PrintSources {
    DataModule1& dm1;
    DataModule2& dm2;
};

// One printout the runner knows by its own name ("QR_Nyukin"; its continuous-form twin
// "QR_Nyukin2" is a printout of its own, made from the same definition).
struct Printout {
    QString name;
    PageSetup paper;
    QList<PrintoutOption> options;
    QStringList kinds;  // the values --kind takes, when the printout takes it
    // The selection turned into rows: rewrites a view of either data module line by line
    // (values through sqlQuote or bound parameters), opens it and returns it.
    std::function<Dataset&(const PrintSources&, const PrintSelection&)> query;
    // The layout on the given paper: one function serves a printout and its twin.
    std::function<ReportDefinition(const PageSetup&, const PrintSelection&)> define;
    // The highest closing day --sime takes besides "99": the partners' closing days stop
    // at 28, the month-based reports also know the closing days 29 to 31.
    int lastClosingDay = 28;

    bool takes(PrintOption option) const;
};

}  // namespace vantir
