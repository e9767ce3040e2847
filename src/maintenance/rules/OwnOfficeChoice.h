#pragma once

#include "maintenance/rules/OfficeSettingsFile.h"
#include "platform/dataset/Result.h"

namespace vantir {

class QueryDataset;

// The work of the own-office screen: which office of the office master this installation
// belongs to. What it shows comes from "VantirTenSet.ini" or from an office chosen in the
// list; only "&P 登録" writes it back. The running program keeps the office it read at
// start, so a change takes effect at the next start.
class OwnOfficeChoice {
  public:
    // query1 is the main database's scratch statement.
    OwnOfficeChoice(const QString& programDir, QueryDataset& query1);

    // On show and on "&C 取消": the code and name in the file. Refused, with what was shown
    // kept, when the file cannot be read (the screen then leaves the office list closed).
    Result load();
    // A row of the office list chosen: its code, and the name the office master has for
    // it. Throws DbError.
    void choose(const QString& tencod);
    // "&P 登録": the shown code and name become the file's two lines. No message follows
    // success; a file that cannot be written is refused.
    Result save();

    const OfficeSettings& shown() const { return shown_; }

  private:
    OfficeSettingsFile file_;
    QueryDataset& query1_;
    OfficeSettings shown_;
};

}  // namespace vantir
