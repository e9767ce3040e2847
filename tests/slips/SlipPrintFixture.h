#pragma once

#include <QStringList>

#include "common/printing/PrintRunner.h"
#include "common/printing/PrintoutRegistry.h"
#include "support/DataModuleTest.h"
#include "support/FixedToday.h"

namespace vantir::test {

// The slip printouts over a small day of slips: 31 May 2003 with slips keyed out of
// number order, billed by dispatch or by unloading date, with and without a receipt date
// (NULL, empty text, a date), a company record and two branches.
class SlipPrintFixture : public DataModuleTest {
  protected:
    void SetUp() override;

    static PrintSelection day(const char* date, const char* kind);
    // The slip numbers a printout's query gives, in order.
    QStringList codesOf(const QString& printout, const PrintSelection& selection);

    PrintoutRegistry registry;
    PrintRunner runner{registry, {dm1, dm2}};
    FixedToday today{"2003-06-02"};
};

}  // namespace vantir::test
