#include "common/printing/PrintoutRegistry.h"

#include "common/printing/PrintError.h"

namespace vantir {

void PrintoutRegistry::add(Printout printout) {
    checkNew(printout.name);
    printouts_.append(std::move(printout));
}

void PrintoutRegistry::addPair(const Printout& printout, const PageMargins& continuousMargins) {
    Printout twin = printout;
    twin.name += QLatin1Char('2');
    twin.paper = PageSetup::continuousForm(continuousMargins);
    checkNew(printout.name);
    checkNew(twin.name);
    printouts_.append(printout);
    printouts_.append(std::move(twin));
}

void PrintoutRegistry::checkNew(const QString& name) const {
    for (const Printout& known : printouts_) {
        if (known.name == name)
            throw PrintError(QStringLiteral("printout %1 is registered twice").arg(name));
    }
}

const Printout& PrintoutRegistry::find(const QString& name) const {
    for (const Printout& printout : printouts_) {
        if (printout.name == name) return printout;
    }
    throw PrintError(QStringLiteral("unknown printout %1").arg(name));
}

QStringList PrintoutRegistry::names() const {
    QStringList names;
    for (const Printout& printout : printouts_) names.append(printout.name);
    return names;
}

}  // namespace vantir
