#include "SampleScreen.h"

#include <QFormLayout>

#include "SampleData.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/DatasetGrid.h"
#include "platform/ui/KeyHandler.h"
#include "platform/ui/LookupComboBox.h"
#include "platform/ui/RecordBar.h"

namespace vantir::test {

SampleScreen::SampleScreen(SampleData& data, Messages& messages)
    : Screen(messages), rules_(data.sample) {
    setObjectName(QStringLiteral("SampleScreen"));
    openDataset(data.kinds);
    openDataset(data.staff);
    openDataset(data.sample);

    auto* form = new QFormLayout(this);
    const auto box = [&](const QString& column, InputMode mode) {
        auto* edit = new BoundLineEdit(data.sample, column, messages, this);
        edit->setObjectName(QStringLiteral("Edit") + column);
        edit->setInputMode(mode);
        form->addRow(column, edit);
        return edit;
    };
    BoundLineEdit* code = box(QStringLiteral("CODE"), InputMode::Direct);
    BoundLineEdit* name = box(QStringLiteral("NAME"), InputMode::Hiragana);
    BoundLineEdit* kana = box(QStringLiteral("KANA"), InputMode::HalfKatakana);
    BoundLineEdit* quantity = box(QStringLiteral("QTY"), InputMode::Direct);
    BoundLineEdit* kind = box(QStringLiteral("SEKBN"), InputMode::Direct);
    auto* kindList =
        new LookupComboBox(data.sample, QStringLiteral("SEKBN"), data.kinds,
                           QStringLiteral("FDATA"), QStringLiteral("FNAME"), messages, this);
    kindList->setObjectName(QStringLiteral("ComboSEKBN"));
    form->addRow(QString(), kindList);
    BoundLineEdit* staff = box(QStringLiteral("TANCOD"), InputMode::Direct);
    auto* staffList =
        new LookupComboBox(data.sample, QStringLiteral("TANCOD"), data.staff,
                           QStringLiteral("TANCOD"), QStringLiteral("TANMEI"), messages, this);
    staffList->setObjectName(QStringLiteral("ComboTANCOD"));
    form->addRow(QString(), staffList);
    BoundLineEdit* checked = box(QStringLiteral("CHKDAY"), InputMode::Direct);

    code->hooks().setLeaveHook([this] { return rules_.leaveCode(); });
    quantity->hooks().setEnterHook([this] { rules_.enterQuantity(); });

    auto* grid = new DatasetGrid(data.sample,
                                 {{QStringLiteral("CODE"), QStringLiteral("コード")},
                                  {QStringLiteral("NAME"), QStringLiteral("名前")}},
                                 messages, this);
    grid->setObjectName(QStringLiteral("GridSAMPLE"));
    form->addRow(grid);

    bar_ = new RecordBar(data.sample, messages, QStringLiteral("DBNavigator1"), this);
    bar_->setVisibleButtons(
        {RecordBar::Insert, RecordBar::Delete, RecordBar::Post, RecordBar::Cancel});
    bar_->setBeforePost([this] { return rules_.checkBeforePost(); });
    form->addRow(bar_);

    keys().setSequence({code, name, kana, quantity, kind, staff, checked});
    keys().setMovesLike(kindList, kind);
    keys().setMovesLike(staffList, staff);
    keys().setStepKeys(QLatin1Char('+'), QLatin1Char('-'));
    keys().setEnterSwallowed(true);
    keys().bindKey(Qt::Key_F1, [this] { bar_->run(RecordBar::Post); });
    keys().bindKey(Qt::Key_F3, [this] { bar_->run(RecordBar::Insert); });
    keys().bindKey(Qt::Key_F9, [this] { bar_->run(RecordBar::Cancel); });
    keys().bindKey(Qt::Key_F12, [this] { bar_->run(RecordBar::Delete); });
}

}  // namespace vantir::test
