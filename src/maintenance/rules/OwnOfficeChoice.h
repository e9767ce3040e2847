#pragma once

#include "maintenance/rules/OfficeSettingsFile.h"

namespace vantir {

class Messages;
class QueryDataset;

// The work of the own-office screen: which office of the office master this installation
// belongs to. What it shows comes from "VantirTenSet.ini" or from an office chosen in the
// list; only "&P 登録" writes it back. The running program keeps the office it read at
// start, so a change takes effect at the next start.
class OwnOfficeChoice {
  public:
    // query1 is the main database's scratch statement.
    OwnOfficeChoice(const QString& programDir, QueryDataset& query1, Messages& messages);

    // On show and on "&C 取消": the code and name in the file. false, with the error shown,
    // when the file cannot be read (the screen then leaves the office list closed).
    bool load();
    // A row of the office list chosen: its code, and the name the office master has for it.
    void choose(const QString& tencod);
    // "&P 登録": the shown code and name become the file's two lines. No message follows
    // success; a file that cannot be written is reported.
    bool save();

    const OfficeSettings& shown() const { return shown_; }

  private:
    OfficeSettingsFile file_;
    QueryDataset& query1_;
    Messages& messages_;
    OfficeSettings shown_;
};

}  // namespace vantir
