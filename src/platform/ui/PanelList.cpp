#include "platform/ui/PanelList.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <utility>

#include "platform/dataset/Dataset.h"
#include "platform/dataset/RecordChanges.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/CommandBoundary.h"
#include "platform/ui/FieldHooks.h"

namespace vantir {

namespace {

constexpr int kBoxSpacing = 2;
constexpr int kPanelMargin = 4;

int boxWidth(const QWidget& widget, int characters) {
    return widget.fontMetrics().horizontalAdvance(QLatin1Char('0')) * characters + 8;
}

}  // namespace

PanelList::PanelList(Dataset& dataset, QList<PanelLine> lines, int panelCount, Messages& messages,
                     QWidget* parent)
    : QWidget(parent), dataset_(dataset), lines_(std::move(lines)), messages_(messages) {
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* column = new QVBoxLayout;
    column->setSpacing(kBoxSpacing);
    column->addWidget(makeTitles());
    for (int i = 0; i < panelCount; ++i) {
        panels_.append(makePanel(i));
        column->addWidget(panels_.last().frame);
    }
    column->addStretch();
    outer->addLayout(column, 1);
    // A title with an accelerator ("&T 配送日付") takes the cursor to its column's box on
    // the top panel.
    for (QLabel* title : findChildren<QLabel*>(QStringLiteral("panelTitle"))) {
        if (title->text().contains(QLatin1Char('&')))
            title->setBuddy(field(0, title->property("column").toString()));
    }
    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    outer->addWidget(scrollBar_);
    connect(scrollBar_, &QScrollBar::valueChanged, this, [this](int top) {
        if (!showing_) scrollTo(top);
    });

    followRecordChanges(subscriptions_, dataset_, [this] { followDataset(); });
    followDataset();
}

PanelList::~PanelList() = default;

QWidget* PanelList::makeTitles() {
    auto* titles = new QWidget(this);
    titles->setObjectName(QStringLiteral("panelTitles"));
    auto* rows = new QVBoxLayout(titles);
    rows->setContentsMargins(kPanelMargin + 1, 0, kPanelMargin + 1, 0);
    rows->setSpacing(0);
    for (const PanelLine& line : lines_) {
        auto* row = new QHBoxLayout;
        row->setSpacing(kBoxSpacing);
        for (const PanelField& field : line) {
            auto* label = new QLabel(field.title, titles);
            label->setObjectName(QStringLiteral("panelTitle"));
            label->setProperty("column", field.column);
            label->setFixedWidth(boxWidth(*label, field.width));
            row->addWidget(label);
        }
        row->addStretch();
        rows->addLayout(row);
    }
    return titles;
}

PanelList::Panel PanelList::makePanel(int index) {
    Panel panel;
    panel.frame = new QFrame(this);
    panel.frame->setObjectName(QStringLiteral("panel_%1").arg(index));
    panel.frame->setFrameShape(QFrame::Box);
    auto* rows = new QVBoxLayout(panel.frame);
    rows->setContentsMargins(kPanelMargin, kBoxSpacing, kPanelMargin, kBoxSpacing);
    rows->setSpacing(kBoxSpacing);
    for (const PanelLine& line : lines_) {
        auto* row = new QHBoxLayout;
        row->setSpacing(kBoxSpacing);
        for (const PanelField& field : line) {
            auto* box = new BoundLineEdit(dataset_, field.column, messages_, panel.frame);
            box->setObjectName(QStringLiteral("%1_%2").arg(field.column).arg(index));
            box->setFixedWidth(boxWidth(*box, field.width));
            if (field.background.isValid()) {
                QPalette palette = box->palette();
                palette.setColor(QPalette::Base, field.background);
                box->setPalette(palette);
            }
            box->setRow(index);
            box->hooks().setBeforeEnter([this, box, index] { return enterPanel(*box, index); });
            row->addWidget(box);
            panel.boxes.append(box);
        }
        row->addStretch();
        rows->addLayout(row);
    }
    return panel;
}

void PanelList::setReadOnly(bool readOnly) {
    for (const Panel& panel : panels_) {
        for (BoundLineEdit* box : panel.boxes) box->setReadOnly(readOnly);
    }
}

BoundLineEdit* PanelList::field(int panel, const QString& column) const {
    if (panel < 0 || panel >= panels_.size()) return nullptr;
    for (BoundLineEdit* box : panels_.at(panel).boxes) {
        if (box->column().compare(column, Qt::CaseInsensitive) == 0) return box;
    }
    return nullptr;
}

QList<BoundLineEdit*> PanelList::fields(const QString& column) const {
    QList<BoundLineEdit*> boxes;
    for (int i = 0; i < panelCount(); ++i) {
        if (BoundLineEdit* box = field(i, column)) boxes.append(box);
    }
    return boxes;
}

int PanelList::totalRows() const {
    if (!dataset_.isOpen()) return 0;
    return dataset_.recordCount() + (dataset_.state() == DatasetState::Insert ? 1 : 0);
}

int PanelList::currentPanel() const {
    const int row = dataset_.isOpen() ? dataset_.recNo() : -1;
    return row >= top_ && row < top_ + panelCount() ? row - top_ : -1;
}

int PanelList::focusedPanel() const {
    const QWidget* focus = window()->focusWidget();
    for (int i = 0; focus && i < panelCount(); ++i) {
        if (panels_.at(i).frame->isAncestorOf(focus)) return i;
    }
    return -1;
}

void PanelList::scrollTo(int topRow) {
    const int top = std::clamp(topRow, 0, std::max(0, totalRows() - panelCount()));
    const int oldTop = std::exchange(top_, top);
    // The panel with the cursor keeps it and shows the record scrolled into it.
    const int focused = focusedPanel();
    const bool moves = top != oldTop && focused >= 0 && top + focused != dataset_.recNo();
    if (moves && !CommandBoundary::run(messages_, [&] { dataset_.moveTo(top + focused); })) {
        top_ = oldTop;
    }
    showRows();
}

bool PanelList::enterPanel(BoundLineEdit& box, int panel) {
    const int row = top_ + panel;
    bool moved = false;
    const Result entered = CommandBoundary::run(
        messages_, [&] { moved = row == dataset_.recNo() || dataset_.moveTo(row); });
    if (moved) lastBox_ = &box;
    if (entered) return moved;
    // The change of the record being edited was refused: the cursor goes back to it.
    BoundLineEdit* back = lastBox_;
    if (!back || back->row() != dataset_.recNo()) back = field(currentPanel(), box.column());
    if (back) QTimer::singleShot(0, back, [back] { back->setFocus(Qt::OtherFocusReason); });
    return false;
}

void PanelList::followDataset() {
    const int row = dataset_.isOpen() ? dataset_.recNo() : -1;
    if (row >= 0 && row < top_) top_ = row;
    if (row >= top_ + panelCount()) top_ = row - panelCount() + 1;
    top_ = std::clamp(top_, 0, std::max(0, totalRows() - panelCount()));
    showRows();
}

void PanelList::showRows() {
    showing_ = true;
    const int total = totalRows();
    scrollBar_->setRange(0, std::max(0, total - panelCount()));
    scrollBar_->setPageStep(panelCount());
    scrollBar_->setValue(top_);
    const int current = currentPanel();
    for (int i = 0; i < panelCount(); ++i) {
        const Panel& panel = panels_.at(i);
        for (BoundLineEdit* box : panel.boxes) box->setRow(top_ + i);
        panel.frame->setEnabled(top_ + i < total);
        panel.frame->setLineWidth(i == current ? 2 : 1);
        panel.frame->setProperty("current", i == current);
    }
    showing_ = false;
}

void PanelList::wheelEvent(QWheelEvent* event) { QApplication::sendEvent(scrollBar_, event); }

}  // namespace vantir
