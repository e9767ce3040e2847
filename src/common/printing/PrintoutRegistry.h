#pragma once

#include <QList>
#include <QStringList>

#include "common/printing/Printout.h"

namespace vantir {

// The printouts by name, so that a menu command, a selection dialog or the command line
// only has to name one.
class PrintoutRegistry {
  public:
    // A printout with one layout (the blank receipt sheet, the month-based reports).
    // Adding a name twice throws PrintError.
    void add(Printout printout);
    // A printout on A4 and its twin on the continuous form, 240 mm by 279.4 mm, with the
    // twin's margins: registered as printout.name and printout.name + "2".
    void addPair(const Printout& printout, const PageMargins& continuousMargins);

    // Throws PrintError for a name nobody registered.
    const Printout& find(const QString& name) const;
    QStringList names() const;  // in the order they were added

  private:
    void checkNew(const QString& name) const;  // throws PrintError for a name already taken

    QList<Printout> printouts_;
};

}  // namespace vantir
