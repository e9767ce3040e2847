#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include "common/printing/PrintRunner.h"

namespace vantir {

class PrintoutRegistry;
struct AppState;

// The print range dialog "印刷範囲選択" for one of its four printouts (the report name the
// menu gives: QR_Vantir, QR_Jyuryo, QR_Kakutei, QR_Mitei): its heading, the kinds of date
// it offers, and the print itself, on the layout the company's report flag chose at start.
class PrintRange {
  public:
    // Throws PrintError for a report name the dialog does not serve.
    PrintRange(const QString& reportName, const AppState& state, const PrintoutRegistry& registry,
               PrintSources sources);

    const QString& heading() const { return heading_; }
    static const QStringList& kinds();  // "配車日" first, as the dialog opens
    // The printout a print shows: the report's twin "2" when the report flag is "1".
    QString printout() const;
    // The date as the slips hold it ("yy/mm/dd") and the kind of date.
    static PrintSelection selection(const QDate& date, const QString& kind);
    // The chosen day laid out; throws DbError and ReportError.
    PageModel layOut(const QDate& date, const QString& kind) const;

    // Closing the dialog closes Q_HIT1QR, as the print left it open.
    void close();

  private:
    QString reportName_;
    QString heading_;
    const AppState& state_;
    PrintRunner runner_;
    PrintSources sources_;
};

}  // namespace vantir
