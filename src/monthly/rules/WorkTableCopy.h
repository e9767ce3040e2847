#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace vantir {

class DataModule2;

// The copy operation the month-based reports build their work tables with, in the working
// copy: the rows of a statement, given as lines with every value quoted, become the work
// table, made anew with the statement's columns (the whole-table copy BatchMove1 from
// Query1 into Table1).
class WorkTableCopy {
  public:
    static void copy(DataModule2& workingCopy, const QString& table, const QStringList& select);
    // "Update <table> Set SHOZEI = T": every row carries the tax rate into the layouts.
    static void setTaxRate(DataModule2& workingCopy, const QString& table, qint64 rate);
    static bool isEmpty(DataModule2& workingCopy, const QString& table);
};

}  // namespace vantir
