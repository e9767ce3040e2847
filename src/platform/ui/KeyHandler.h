#pragma once

#include <QChar>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

class QKeyEvent;
class QWidget;

namespace vantir {

class Messages;

// The keys of one screen, seen before any field of it sees them. The screen gives its
// field sequence and the keys that walk it:
// - Enter to the next field and Shift+Enter (Shift alone) to the previous one;
// - Page Down / Page Up along the same sequence (the slip screens);
// - two characters as next / previous ("+" "-", or "*" "/" on the partner master) that
//   are swallowed everywhere on the screen, so they can never be typed into a field;
// - function keys bound to the screen's commands (run through the command boundary);
// - optionally Enter swallowed everywhere, so it never reaches a field;
// - optionally Enter as Tab inside one area (a grid typed into column by column).
// Fields outside the sequence can move like a field of it. Moving runs the leave logic
// of the field first and stays when it refuses. Enter on a focused button presses it.
class KeyHandler : public QObject {
    Q_OBJECT

  public:
    KeyHandler(QWidget& screen, Messages& messages);
    ~KeyHandler() override;

    void setSequence(const QList<QWidget*>& fields);
    // field, outside the sequence, moves as sequenceField does.
    void setMovesLike(QWidget* field, QWidget* sequenceField);
    void setEnterKeys(bool on) { enterKeys_ = on; }
    void setPageKeys(bool on) { pageKeys_ = on; }
    void setStepKeys(QChar next, QChar previous);
    // After the last field Enter goes to the first again (and back from the first).
    void setWrapping(bool on) { wrapping_ = on; }
    void setEnterSwallowed(bool on) { enterSwallowed_ = on; }
    // Enter in area, or in a cell editor inside it, goes on as Tab does there.
    void setEnterAsTab(QWidget* area) { enterAsTab_ = area; }
    void bindKey(int key, std::function<void()> command);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool handleKey(QKeyEvent& key, QWidget& focus);
    int positionOf(QWidget* field) const;
    QWidget* neighbour(int position, int direction) const;
    bool step(int direction);

    QWidget& screen_;
    Messages& messages_;
    QList<QPointer<QWidget>> sequence_;
    QHash<QWidget*, QPointer<QWidget>> movesLike_;
    QHash<int, std::function<void()>> commands_;
    QPointer<QWidget> enterAsTab_;
    QChar nextChar_;
    QChar previousChar_;
    bool enterKeys_ = true;
    bool pageKeys_ = false;
    bool wrapping_ = false;
    bool enterSwallowed_ = false;
};

}  // namespace vantir
