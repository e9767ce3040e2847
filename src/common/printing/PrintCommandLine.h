#pragma once

#include <QString>
#include <QStringList>

#include "common/printing/PrintRequest.h"

namespace vantir {

class PrintoutRegistry;
struct Printout;

// The command line of a print: NAME [options] (--pdf FILE | --text FILE), with the
// options that carry the same name for every printout:
//   --date YY/MM/DD   --kind KIND   --sime DD   --month YY/MM   --partner CODE
//   --from CODE --to CODE   (a range of codes)
//   --since YY/MM/DD --until YY/MM/DD   (a range of dates)
// Only the options the printout takes are accepted. A bad, missing or repeated value
// throws PrintError with a message naming the option and what it wants.
class PrintCommandLine {
  public:
    static PrintRequest parse(const PrintoutRegistry& registry, const QStringList& args);
    // The options alone.
    static PrintSelection parseOptions(const Printout& printout, const QStringList& args);
    // The options a printout takes, optional ones in brackets:
    // "--date YY/MM/DD [--kind HYMD|THYMD|DDAY]".
    static QString usage(const Printout& printout);
};

}  // namespace vantir
