#pragma once

namespace vantir {

class PrintoutRegistry;

// The month-based reports of the monthly menus, each by its own name, printed from the
// dialog "月次印刷範囲設定" and by `vantir-cli print NAME --sime DD --month YY/MM ...`.
void registerMonthlyReportPrintouts(PrintoutRegistry& registry);

}  // namespace vantir
