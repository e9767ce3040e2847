#pragma once

namespace vantir {

// The selections a printout can take; each has one fixed option name on the command
// line, whatever the printout (see PrintCommandLine).
enum class PrintOption {
    Date,       // --date YY/MM/DD
    Kind,       // --kind KIND
    Sime,       // --sime DD
    Month,      // --month YY/MM
    CodeRange,  // --from CODE --to CODE
    DateRange,  // --since YY/MM/DD --until YY/MM/DD
    Partner,    // --partner CODE
    Choice,     // --choice N: a one-digit choice the printout's dialog offers
};

// One selection a printout takes, and whether it cannot print without it.
struct PrintoutOption {
    PrintOption option;
    bool required = false;
};

}  // namespace vantir
