#pragma once

namespace vantir {

class PrintoutRegistry;

// Every printout of the program, registered by name for the menu's selection screens and
// for `vantir-cli print`. Each subsystem adds its own through one register function
// called here.
void registerPrintouts(PrintoutRegistry& registry);

// The program's printouts, registered once on first use.
const PrintoutRegistry& programPrintouts();

}  // namespace vantir
