#include "SampleScreen.h"

#include <QVBoxLayout>

#include "SampleData.h"
#include "platform/ui/DatasetGrid.h"
#include "platform/ui/KeyHandler.h"
#include "platform/ui/RecordBar.h"
#include "platform/ui/RecordForm.h"

namespace vantir::test {

SampleScreen::SampleScreen(SampleData& data, Messages& messages)
    : Screen(messages), rules_(data.sample) {
    setObjectName(QStringLiteral("SampleScreen"));
    openDataset(data.kinds);
    openDataset(data.staff);
    openDataset(data.sample);

    auto* form =
        new RecordForm(*this, data.sample,
                       {
                           {.column = "CODE", .leave = [this] { return rules_.leaveCode(); }},
                           {.column = "NAME", .input = InputMode::Hiragana},
                           {.column = "KANA", .input = InputMode::HalfKatakana},
                           {.column = "QTY", .enter = [this] { rules_.enterQuantity(); }},
                           {.column = "SEKBN"},
                           {.column = "SEKBN",
                            .list = {&data.kinds, "FDATA", "FNAME"},
                            .inEnterSequence = false,
                            .movesLike = "SEKBN"},
                           {.column = "TANCOD"},
                           {.column = "TANCOD",
                            .list = {&data.staff, "TANCOD", "TANMEI"},
                            .inEnterSequence = false,
                            .movesLike = "TANCOD"},
                           {.column = "CHKDAY"},
                       });

    auto* grid = new DatasetGrid(data.sample,
                                 {{QStringLiteral("CODE"), QStringLiteral("コード")},
                                  {QStringLiteral("NAME"), QStringLiteral("名前")}},
                                 messages, this);
    grid->setObjectName(QStringLiteral("GridSAMPLE"));

    bar_ = new RecordBar(data.sample, messages, QStringLiteral("DBNavigator1"), this);
    bar_->setVisibleButtons(
        {RecordBar::Insert, RecordBar::Delete, RecordBar::Post, RecordBar::Cancel});
    bar_->setBeforePost([this] { return rules_.checkBeforePost(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form);
    layout->addWidget(grid);
    layout->addWidget(bar_);

    keys().setStepKeys(QLatin1Char('+'), QLatin1Char('-'));
    keys().setEnterSwallowed(true);
    keys().bindKey(Qt::Key_F1, [this] { bar_->run(RecordBar::Post); });
    keys().bindKey(Qt::Key_F3, [this] { bar_->run(RecordBar::Insert); });
    keys().bindKey(Qt::Key_F9, [this] { bar_->run(RecordBar::Cancel); });
    keys().bindKey(Qt::Key_F12, [this] { bar_->run(RecordBar::Delete); });
}

}  // namespace vantir::test
