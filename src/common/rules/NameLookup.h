#pragma once

#include <QString>

#include "platform/dataset/Result.h"

namespace vantir {

class DataModule;
class Dataset;
class QueryDataset;

// Which name a typed code brings, through which shared parameter query.
struct NameLookupKind {
    QString query;       // the statement view, "Q_HIM3T_LQ"
    QString parameter;   // its named parameter, "KCODE"
    QString nameColumn;  // the column of the found row that holds the name
    // Partner codes are zero-filled before the lookup (zeroFilledCode), and a code no
    // partner has empties the name; a staff code is taken as typed and an unknown one
    // leaves the name as it was.
    bool zeroFillsCode;
    bool writesEmptyName;
};

// The name of a code typed into a slip, receipt or payment (or a search box), read from
// the masters: customer name by KCODE, carrier name (the partner's KNAME) by YCODE, staff
// name by TANCOD. The query views are shared, so each lookup closes, sets the parameter,
// opens, reads and closes again, leaving the view as it found it.
class NameLookup {
  public:
    static const NameLookupKind kCustomer;  // Q_HIM3T_LQ: KNAME of HIMAS3 by KCODE
    static const NameLookupKind kCarrier;   // Q_HIM3Y_LQ: KNAME of HIMAS3 by YCODE
    static const NameLookupKind kStaff;     // Q_HIM2_LQ: TANMEI of HIMAS2 by TANCOD

    // data must outlive the lookup.
    NameLookup(DataModule& data, const NameLookupKind& kind);

    const NameLookupKind& kind() const { return kind_; }

    // The name of code; empty when no row has it. Throws DbError.
    QString nameOf(const QString& code) const;

    // Leaving the code field of a record: a partner code is zero-filled first (written
    // back when it changes), then the name of the code as it now stands is written into
    // nameColumn when that is NULL or differs; a staff name only when one was found.
    // Either write puts the record into edit mode. A record that is not there (a closed
    // or empty view) is left alone. Refused writes come back as the Result; throws DbError.
    Result codeLeft(Dataset& record, const QString& codeColumn, const QString& nameColumn) const;

    // The name step alone, for the staff name that follows every change of the code.
    Result fillName(Dataset& record, const QString& codeColumn, const QString& nameColumn) const;

  private:
    QueryDataset& query_;
    NameLookupKind kind_;
};

}  // namespace vantir
