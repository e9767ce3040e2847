#pragma once

#include "common/printing/Printout.h"

namespace vantir {

// The payee list "支払先リスト" of a month (--month): each carrier aggregate whose payment
// date falls in the month with the carrier's telephone, bank account and address from the
// partner master, and the total to transfer; the page's sum at its foot. On A4 landscape;
// its twin on the continuous form heads the account kind "種別" and leaves out the address.
Printout QR_Hari_Lst();

}  // namespace vantir
