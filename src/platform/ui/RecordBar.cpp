#include "platform/ui/RecordBar.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>

#include "platform/dataset/Dataset.h"
#include "platform/system/Messages.h"
#include "platform/ui/CommandBoundary.h"

namespace vantir {

namespace {

struct ButtonText {
    QString caption;
    QString objectName;
};

const std::array<ButtonText, RecordBar::kButtonCount>& buttonTexts() {
    static const std::array<ButtonText, RecordBar::kButtonCount> texts{{
        {QStringLiteral("&F 先頭"), QStringLiteral("nbFirst")},
        {QStringLiteral("&P 前行"), QStringLiteral("nbPrior")},
        {QStringLiteral("&N 次行"), QStringLiteral("nbNext")},
        {QStringLiteral("&L 最後"), QStringLiteral("nbLast")},
        {QStringLiteral("&A 追加"), QStringLiteral("nbInsert")},
        {QStringLiteral("&D 削除"), QStringLiteral("nbDelete")},
        {QStringLiteral("&E 編集"), QStringLiteral("nbEdit")},
        {QStringLiteral("&O 登録"), QStringLiteral("nbPost")},
        {QStringLiteral("&C 取消"), QStringLiteral("nbCancel")},
        {QStringLiteral("&R 更新"), QStringLiteral("nbRefresh")},
    }};
    return texts;
}

}  // namespace

const QString& RecordBar::caption(Button button) { return buttonTexts().at(button).caption; }

const QString& RecordBar::deleteQuestion() {
    static const QString question = QStringLiteral("レコードを削除してもよいですか？");
    return question;
}

RecordBar::RecordBar(Dataset& dataset, Messages& messages, const QString& objectName,
                     QWidget* parent)
    : QWidget(parent), dataset_(dataset), messages_(messages) {
    setObjectName(objectName);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (int i = 0; i < kButtonCount; ++i) {
        const auto button = static_cast<Button>(i);
        auto* pushButton = new QPushButton(caption(button), this);
        pushButton->setObjectName(buttonTexts().at(i).objectName);
        pushButton->setToolTip(caption(button));
        connect(pushButton, &QPushButton::clicked, this, [this, button] { run(button); });
        layout->addWidget(pushButton);
        buttons_.at(i) = pushButton;
    }
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { followFocus(now); });

    const auto update = [this] { updateButtons(); };
    subscriptions_.add(dataset_.stateChanged, update);
    subscriptions_.add(dataset_.afterScroll, update);
    subscriptions_.add(dataset_.rowsChanged, update);
    updateButtons();
}

RecordBar::~RecordBar() = default;

void RecordBar::setVisibleButtons(const QList<Button>& buttons) {
    for (int i = 0; i < kButtonCount; ++i)
        buttons_.at(i)->setVisible(buttons.contains(static_cast<Button>(i)));
}

bool RecordBar::run(Button button) {
    const bool done =
        CommandBoundary::runCommand(*this, messages_, [&] { return execute(button); });
    // Trying to move past the last record tells no event that the end was reached.
    updateButtons();
    if (done) Q_EMIT executed(button);
    return done;
}

Result RecordBar::execute(Button button) {
    switch (button) {
        case First:
        case Prior:
        case Next:
        case Last:
        case Refresh:
            if (const Result posted = postPending(); !posted) return posted;
            if (button == First) dataset_.first();
            if (button == Prior) dataset_.prior();
            if (button == Next) dataset_.next();
            if (button == Last) dataset_.last();
            if (button == Refresh) dataset_.refresh();
            return Result::success();
        case Insert:
            if (const Result posted = postPending(); !posted) return posted;
            dataset_.append();
            return Result::success();
        case Delete:
            // "No" ends the command with nothing to tell.
            if (!messages_.question(deleteQuestion(), QStringLiteral("確認"))) {
                return Result::failure({});
            }
            return dataset_.remove();
        case Edit:
            dataset_.edit();
            return Result::success();
        case Post:
            return post();
        case Cancel:
            dataset_.cancel();
            return Result::success();
    }
    return Result::failure({});
}

Result RecordBar::post() {
    const Result checked = beforePost_ ? beforePost_() : Result::success();
    return checked ? dataset_.post() : checked;
}

Result RecordBar::postPending() {
    // Posted here rather than by the move itself, so that the screen's checks run and a
    // refusal can name its field.
    if (!dataset_.isEditing() || !dataset_.isModified()) return Result::success();
    return post();
}

void RecordBar::updateButtons() {
    const bool open = dataset_.isOpen();
    const bool editing = open && dataset_.isEditing();
    const bool up = open && !dataset_.bof();
    const bool down = open && !dataset_.eof();
    const bool any = open && !dataset_.isEmpty();
    const std::array<bool, kButtonCount> enabled{
        up, up, down, down, open, any, !editing && open, editing, editing, open};
    for (int i = 0; i < kButtonCount; ++i) buttons_.at(i)->setEnabled(enabled.at(i));
}

void RecordBar::followFocus(QWidget* now) {
    // The cursor going to a message box or another window is no leave: it comes back.
    if (!now || now->window() != window()) return;
    const bool inside = now == this || isAncestorOf(now);
    if (inside == hasFocus_) return;
    hasFocus_ = inside;
    if (inside) {
        Q_EMIT focusEntered();
    } else {
        Q_EMIT focusLeft();
    }
}

}  // namespace vantir
