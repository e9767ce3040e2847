#pragma once

#include <QList>

#include "common/printing/Printout.h"

namespace vantir {

// The ledger reports of the sales-ledger window "売上元帳" (QR_UriBKM, QR_UriBK, QR_UriBKS)
// and the purchase-ledger window "仕入元帳" (QR_SirBKM, QR_SirBK, QR_SirBKS), and the
// receivable and payable lists and confirmations (QR_KakeUri, QR_ChkUri, QR_KakeSir,
// QR_ChkSir), each a printout of its own name.
QList<Printout> ledgerAndKakePrintouts();

}  // namespace vantir
