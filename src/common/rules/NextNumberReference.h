#pragma once

#include "common/rules/NextNumber.h"

namespace vantir {

class DataModule;

// The next-number rule read literally, as the slip screens always worked it out: every
// stored number through the kind's query ("SELECT CODE FROM HITRAN1 ORDER BY CODE DESC"),
// each cleaned and read in that order, stopping at the first that is no whole number; the
// greatest plus one, "1" for an empty table. It reads the whole table, so the program
// uses NextNumber; this is what NextNumber is checked and measured against.
// Throws DbError.
NumberProposal literalNextNumber(DataModule& data, const NextNumberKind& kind);

}  // namespace vantir
