#pragma once

namespace vantir {
class Database;
}  // namespace vantir

namespace vantir::test {

// Three partners in code order: 000001 甲運輸 (carrier code 000011) with lines, 000002
// 乙商事 (000012) without any, 000003 丙物流 (000013) with one. The same lines go into
// HITRANM, HITRANS, HITRAN2 and HITRAN3, each carrying both codes of its partner, so
// every editor finds them by its own side. For closing day 20 and month 24/03
// (24/02/21 to 24/03/20) partner 000001 has two lines, one on each bound:
//   UKING 1000 + 2000, UHIYO 10 + 20, YKING 700 + 800, SKING 100 + 200, SHIYO 1 + 2,
// and a line on each side just outside. The control closes on the 20th.
void seedLedgerLines(Database& mainDatabase);

}  // namespace vantir::test
