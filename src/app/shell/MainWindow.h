#pragma once

#include <QMainWindow>
#include <array>

#include "app/shell/CommandDispatcher.h"
#include "app/shell/ScreenContext.h"

class QCalendarWidget;
class QLabel;
class QPushButton;

namespace vantir {

class CommandTable;

// The main window "Vantir", the program's only permanent screen: nine group buttons, the
// command buttons of the chosen group, the month calendar, "DB変更" and "終　了". What a
// command does is in the command table; this window only shows the table and hands the
// chosen pair to the dispatcher.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // shared: the program's state and views (its mainWindow and programDir are set here).
    // upgradeCompleted: false when the start-up upgrade stopped with an error; the show
    // step then selects no group and leaves the layout switches at their defaults.
    MainWindow(const CommandTable& table, ScreenContext shared, QString programDir,
               bool upgradeCompleted);
    ~MainWindow() override;

    // Act_Main1..9: shows the group's command buttons with their captions.
    void selectGroup(int group);
    // Act_Sub1..9 and "DB変更": runs the command of the chosen group and the button.
    void runCommand(const QString& button);

    CommandDispatcher& dispatcher() { return dispatcher_; }

  Q_SIGNALS:
    // The main window has closed: the program ends.
    void closed();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenuBar();
    void runShowStep();
    void resetGroupButtons();

    const CommandTable& table_;
    ScreenContext shared_;
    QString programDir_;
    bool upgradeCompleted_;
    bool shown_ = false;
    std::array<QPushButton*, 9> groupButtons_{};
    std::array<QPushButton*, 9> commandButtons_{};
    QPushButton* dbChange_ = nullptr;
    QLabel* groupTitle_ = nullptr;
    QCalendarWidget* calendar_ = nullptr;
    CommandDispatcher dispatcher_;
};

}  // namespace vantir
