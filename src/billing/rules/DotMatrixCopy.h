#pragma once

#include <QByteArray>

namespace vantir {

class DataModule1;

// A copy of the last invoice run on the dot-matrix printer: the header row, the company
// record and the slips of QWK_Seikyu read afresh, sent as one job "請求書印刷".
class DotMatrixCopy {
  public:
    // The job's bytes. Throws DbError.
    static QByteArray bytes(DataModule1& dm1);
    // To the default printer; a printer that cannot be opened or written throws
    // PrinterError ("プリンタ印字エラー") and the job is abandoned. Nothing in the
    // database changes either way. Throws DbError.
    static void print(DataModule1& dm1);
};

}  // namespace vantir
