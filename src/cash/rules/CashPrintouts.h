#pragma once

#include <QString>

namespace vantir {

class PrintoutRegistry;
struct PrintSelection;

// The receipt list "入金伝票一覧表" (QR_Nyukin, QR_Nyukin2) and the payment list
// "支払伝票一覧表" (QR_Harai, QR_Harai2): one layout for both sides and both papers.
// They print what the side's list query selects: the range and partner given
// (--since/--until/--partner, the list screen's "&E 実行"), or the query as it stands,
// narrowed to the partners of the code range. The closing day and the month only head
// the pages.
void registerCashPrintouts(PrintoutRegistry& registry);

// The left heading: the month, then two spaces, the closing day and "日締" when one is
// given ("" and "00" are none).
QString cashListLeftHeading(const PrintSelection& selection);

}  // namespace vantir
