#pragma once

#include <QDialog>
#include <QList>

#include "platform/ui/CommandBoundary.h"
#include "platform/ui/DatasetTableModel.h"

class QVBoxLayout;

namespace vantir {

class Dataset;
class DatasetGrid;
class Messages;

// A search dialog made at start and kept for the whole run: its list, "確定" and "取消".
// Showing it opens the list (a statement the database cannot run is reported with the
// database's message and the list stays empty); closing it, by "確定", "取消", Esc or the
// frame, closes the list. Shown with show() the caller goes on; the consolidation masters
// wait for it with exec().
class SearchDialog : public QDialog {
    Q_OBJECT

  public:
    void setVisible(bool visible) override;

  protected:
    SearchDialog(Messages& messages, QWidget* parent);

    Messages& messages() const { return messages_; }

    // Runs a user's action through the command boundary; true when it ran to its end.
    template <typename F>
    bool runCommand(F&& action) {
        return CommandBoundary::runCommand(*this, messages_, std::forward<F>(action));
    }

    // The list over the dialog's query with its titles, then "確定" and "取消", added
    // to layout below what the dialog put there.
    DatasetGrid* addList(QVBoxLayout& layout, Dataset& query, QList<GridColumn> columns);

    // Showing and closing the dialog; openList throws DbError.
    virtual void openList() = 0;
    virtual void closeList() = 0;
    // "確定": hands the current row back (a receiver may throw DbError); the dialog
    // closes when it ran to its end.
    virtual void confirm() = 0;

  private:
    Messages& messages_;
    DatasetGrid* list_ = nullptr;
    bool widthsFitted_ = false;
};

}  // namespace vantir
