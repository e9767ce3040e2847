#pragma once

#include <QColor>
#include <QList>
#include <QPointer>
#include <QWidget>

#include "platform/dataset/EventSubscriptions.h"

class QFrame;
class QScrollBar;

namespace vantir {

class BoundLineEdit;
class Dataset;
class Messages;

// One box of a panel: the column, the caption over it in the title rows, its width in
// characters and its ground colour (amounts green, dates to confirm yellow, names sky
// blue; invalid for the usual ground).
struct PanelField {
    QString column;
    QString title;
    int width = 8;
    QColor background = {};
};
using PanelLine = QList<PanelField>;

// A scrolling list of panels, each showing one record in several lines of boxes (the
// dispatch list shows eight slips of three lines, the receipt list nine receipts). The
// panel of the current record is marked. Every box is a bound field of its panel's row:
// putting the cursor in a panel makes its record current (a pending change of the
// previous one is posted first; a refused post is shown and the cursor goes back), and
// typing edits that record. Scrolling with the cursor in a panel moves the current
// record with it. Boxes are named COLUMN_n on panel n (0 at the top).
class PanelList : public QWidget {
    Q_OBJECT

  public:
    PanelList(Dataset& dataset, QList<PanelLine> lines, int panelCount, Messages& messages,
              QWidget* parent = nullptr);
    ~PanelList() override;

    int panelCount() const { return int(panels_.size()); }
    // The row shown in the top panel.
    int topRow() const { return top_; }
    void scrollTo(int topRow);
    QScrollBar& scrollBar() const { return *scrollBar_; }
    void setReadOnly(bool readOnly);

    // The box of the column on a panel; null when the panels have no such column.
    BoundLineEdit* field(int panel, const QString& column) const;
    // The column's box on every panel (for the screen's enter and leave logic).
    QList<BoundLineEdit*> fields(const QString& column) const;
    // The panel showing the current record; -1 when it is scrolled out of view.
    int currentPanel() const;

  protected:
    void wheelEvent(QWheelEvent* event) override;

  private:
    struct Panel {
        QFrame* frame = nullptr;
        QList<BoundLineEdit*> boxes;
    };

    QWidget* makeTitles();
    Panel makePanel(int index);
    int totalRows() const;
    int focusedPanel() const;
    bool enterPanel(BoundLineEdit& box, int panel);
    void followDataset();
    void showRows();

    Dataset& dataset_;
    QList<PanelLine> lines_;
    Messages& messages_;
    QList<Panel> panels_;
    QScrollBar* scrollBar_ = nullptr;
    QPointer<BoundLineEdit> lastBox_;  // the box the cursor last entered
    int top_ = 0;
    bool showing_ = false;
    EventSubscriptions subscriptions_;
};

}  // namespace vantir
