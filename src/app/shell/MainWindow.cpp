#include "app/shell/MainWindow.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/shell/CommandTable.h"
#include "app/shell/LongLivedScreens.h"
#include "common/printing/ReportLayoutSwitches.h"
#include "data/AppState.h"
#include "platform/dates/DateText.h"
#include "platform/db/DbError.h"
#include "platform/system/Clock.h"
#include "platform/system/Messages.h"
#include "platform/ui/JapaneseLocale.h"

namespace vantir {

namespace {

ScreenContext withMainWindow(ScreenContext context, QWidget* mainWindow,
                             const QString& programDir) {
    context.mainWindow = mainWindow;
    context.programDir = programDir;
    return context;
}

void setBold(QPushButton* button, bool bold) {
    QFont font = button->font();
    font.setBold(bold);
    button->setFont(font);
}

}  // namespace

MainWindow::MainWindow(const CommandTable& table, ScreenContext shared, QString programDir,
                       bool upgradeCompleted)
    : table_(table),
      shared_(withMainWindow(std::move(shared), this, programDir)),
      programDir_(std::move(programDir)),
      upgradeCompleted_(upgradeCompleted),
      dispatcher_(table, shared_) {
    setWindowTitle(QStringLiteral("Vantir"));

    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);

    auto* groups = new QVBoxLayout;
    for (int group = 1; group <= CommandTable::kGroups; ++group) {
        auto* button = new QPushButton(CommandTable::groupCaption(group), central);
        button->setObjectName(QStringLiteral("btnMM%1").arg(group));
        connect(button, &QPushButton::clicked, this, [this, group] { selectGroup(group); });
        groups->addWidget(button);
        groupButtons_[group - 1] = button;
    }
    groups->addStretch();
    columns->addLayout(groups);

    auto* commands = new QVBoxLayout;
    groupTitle_ = new QLabel(central);
    groupTitle_->setObjectName(QStringLiteral("Label1"));
    commands->addWidget(groupTitle_);
    for (int index = 1; index <= CommandTable::kButtonsPerGroup; ++index) {
        const QString name = CommandTable::commandButton(index);
        auto* button = new QPushButton(central);
        button->setObjectName(name);
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, name] { runCommand(name); });
        commands->addWidget(button);
        commandButtons_[index - 1] = button;
    }
    commands->addStretch();
    columns->addLayout(commands);

    auto* side = new QVBoxLayout;
    calendar_ = new QCalendarWidget(central);
    calendar_->setObjectName(QStringLiteral("MonthCalendar1"));
    JapaneseLocale::applyTo(*calendar_);
    connect(calendar_, &QCalendarWidget::clicked, this,
            [this](QDate day) { shared_.state.EditDate = formatYyMmDd(day); });
    side->addWidget(calendar_);
    side->addStretch();
    dbChange_ = new QPushButton(QStringLiteral("DB変更"), central);
    dbChange_->setObjectName(CommandTable::kDbChangeButton);
    dbChange_->hide();
    connect(dbChange_, &QPushButton::clicked, this,
            [this] { runCommand(CommandTable::kDbChangeButton); });
    side->addWidget(dbChange_);
    auto* close = new QPushButton(QStringLiteral("終　了"), central);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    side->addWidget(close);
    columns->addLayout(side);

    setCentralWidget(central);
    buildMenuBar();
    shared_.longLived.createAll(shared_);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenuBar() {
    menuBar()->addMenu(QStringLiteral("マスタ"));
    menuBar()->addMenu(QStringLiteral("データベース"));
    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->addAction(QStringLiteral("目次(&C)"));
    help->addAction(QStringLiteral("トピックの検索(&S)..."));
    help->addAction(QStringLiteral("ヘルプの使い方(&H)"));
    help->addSeparator();
    QAction* about = help->addAction(QStringLiteral("バージョン情報(&A)..."));
    about->setObjectName(QStringLiteral("actAbout"));
    connect(about, &QAction::triggered, this,
            [this] { shared_.longLived.show(QStringLiteral("AboutBox")); });
}

void MainWindow::resetGroupButtons() {
    // Act_btnCL
    for (QPushButton* button : commandButtons_) button->hide();
    dbChange_->hide();
    for (QPushButton* button : groupButtons_) setBold(button, false);
}

void MainWindow::selectGroup(int group) {
    if (group < 1 || group > CommandTable::kGroups) return;
    resetGroupButtons();
    setBold(groupButtons_[group - 1], true);
    shared_.state.EditMPage = QString::number(group);
    groupTitle_->setText(CommandTable::groupCaption(group));
    for (int index = 1; index <= CommandTable::kButtonsPerGroup; ++index) {
        QPushButton* button = commandButtons_[index - 1];
        const MenuCommand* command = table_.find(group, CommandTable::commandButton(index));
        button->setText(command ? command->caption : QString());
        button->setVisible(command && command->visible);
    }
    dbChange_->setVisible(table_.find(group, CommandTable::kDbChangeButton) != nullptr);
}

void MainWindow::runCommand(const QString& button) {
    dispatcher_.runButton(shared_.state.EditMPage.toInt(), button);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    runShowStep();
}

void MainWindow::runShowStep() {
    // The upgrade ran before the working copy was taken; when it stopped with an error
    // the rest of this step is left out for this start.
    if (!upgradeCompleted_) return;
    shared_.state.EditDir = programDir_;
    selectGroup(1);
    calendar_->setSelectedDate(Clock::today());  // EditDate stays empty until a click
    try {
        readReportLayoutSwitches(shared_.dm1, shared_.state);
    } catch (const DbError& error) {
        shared_.messages.error(error.message());
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    dispatcher_.releaseOpened();
    QMainWindow::closeEvent(event);
    Q_EMIT closed();
}

}  // namespace vantir
