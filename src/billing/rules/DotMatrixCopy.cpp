#include "billing/rules/DotMatrixCopy.h"

#include "billing/rules/DotMatrixInvoice.h"
#include "data/DataModule1.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/report/RawPrinter.h"

namespace vantir {

QByteArray DotMatrixCopy::bytes(DataModule1& dm1) {
    const InvoiceSheet sheet = InvoiceSheet::read(dm1);
    QueryDataset& slips = dm1.query(QStringLiteral("QWK_Seikyu"));
    slips.close();
    slips.open();
    return DotMatrixInvoice::stream(sheet, InvoiceLine::readAll(slips));
}

void DotMatrixCopy::print(DataModule1& dm1) {
    RawPrinter::printJob(DotMatrixInvoice::jobName(), bytes(dm1));
}

}  // namespace vantir
