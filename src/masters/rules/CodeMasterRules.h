#pragma once

#include "masters/rules/CodeMasterDescription.h"
#include "masters/rules/UniqueCode.h"

namespace vantir {

class DataModule1;
class TableDataset;

// The staff master and the branch master without their window: one table of codes and
// names, edited in its fields and listed in code order, both on the same cursor. Codes
// are stored exactly as typed ("1" stays "1" and lists after "01"): neither the code nor
// the name is filled or converted. A code another record has is refused when posted.
class CodeMasterRules {
  public:
    // The views must outlive the rules.
    CodeMasterRules(CodeMasterDescription description, DataModule1& data);

    const CodeMasterDescription& description() const { return description_; }
    TableDataset& table() const { return table_; }

    // Opens the table in code order; throws DbError.
    void open();
    // Closes it, dropping a pending edit.
    void close();

    // Before the record bar posts: the refusal of a code another record already has.
    Result beforePost() const { return code_.check(); }

  private:
    CodeMasterDescription description_;
    TableDataset& table_;
    UniqueCode code_;
};

}  // namespace vantir
