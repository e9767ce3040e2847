#include "masters/rules/CodeMasterRules.h"

#include "data/DataModule1.h"
#include "platform/dataset/TableDataset.h"

namespace vantir {

CodeMasterRules::CodeMasterRules(CodeMasterDescription description, DataModule1& data)
    : description_(std::move(description)),
      table_(data.table(description_.table)),
      code_(table_, description_.codeColumn, data.qExpr(), description_.codeRegistered) {}

void CodeMasterRules::open() {
    // The view is shared: a filter another screen left on it must not hide codes here.
    table_.setFiltered(false);
    table_.setIndexFieldNames(description_.codeColumn);
    table_.open();
}

void CodeMasterRules::close() { table_.close(); }

}  // namespace vantir
