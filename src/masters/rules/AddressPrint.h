#pragma once

#include <QString>

#include "common/printing/PrintRunner.h"

namespace vantir {

class PrintoutRegistry;
struct AppState;

// The address print dialog "住所録印刷" for one of its two printouts (its mode: QR_Address,
// the address book, or QR_Add_LBL, the labels): the partners from one code to another,
// compared as text as typed, on the layout the company's report flag chose at start.
class AddressPrint {
  public:
    static inline const QString kFromPreset = QStringLiteral("0");
    static inline const QString kToPreset = QStringLiteral("999999");

    // Throws PrintError for a mode the dialog does not serve.
    AddressPrint(const QString& mode, const AppState& state, const PrintoutRegistry& registry,
                 PrintSources sources);

    // The printout a print shows: the mode's twin "2" when the report flag is "1".
    QString printout() const;
    // The range laid out; Q_HIM3 is given back in code order afterwards, as the partner
    // master and the other readers of the shared list expect it. Throws DbError and
    // ReportError.
    PageModel layOut(const QString& from, const QString& to) const;

  private:
    QString mode_;
    const AppState& state_;
    PrintRunner runner_;
    PrintSources sources_;
};

}  // namespace vantir
