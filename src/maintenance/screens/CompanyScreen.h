#pragma once

#include "platform/ui/Screen.h"

namespace vantir {

class DataModule1;
class RecordBar;

// The company screen "会社情報" (mode "Cop_Dat"): the company record COP_DAT, the row the
// invoices and reports print in their company block, with the two report layout switches.
// Typing starts editing the record; only "&O 登録" saves it, "&C 取消" drops the changes,
// and closing drops them too. The switches take effect at the next start.
class CompanyScreen : public Screen {
    Q_OBJECT

public:
    // Opens COP_DAT at its first row (throws DbError); dm1 and messages outlive the screen.
    CompanyScreen(DataModule1& dm1, Messages& messages, QWidget* parent = nullptr);

    RecordBar& recordBar() const { return *bar_; }

private:
    RecordBar* bar_ = nullptr;
};

}  // namespace vantir
