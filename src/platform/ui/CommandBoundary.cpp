#include "platform/ui/CommandBoundary.h"

#include <QLineEdit>
#include <QWidget>

#include "platform/db/DbError.h"
#include "platform/system/Messages.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/FieldHooks.h"
#include "platform/ui/LookupComboBox.h"

namespace vantir {

bool CommandBoundary::runCommand(QWidget& screen, Messages& messages, const Action& action) {
    if (FieldHooks::isReclaiming()) return false;
    BoundLineEdit* typedInto = nullptr;
    if (const Result typed = BoundLineEdit::commitAll(*screen.window(), &typedInto); !typed) {
        show(screen, messages, typed, typedInto);
        return false;
    }
    Result result;
    try {
        result = action();
    } catch (const DbError& error) {
        messages.error(error.message());
        return false;
    }
    if (!result) show(screen, messages, result);
    return result.ok;
}

Result CommandBoundary::run(Messages& messages, const Action& action) {
    Result result;
    try {
        result = action();
    } catch (const DbError& error) {
        result = Result::failure(error.message());
    }
    tell(messages, result);
    return result;
}

void CommandBoundary::tell(Messages& messages, const Result& result) {
    if (result || result.message.isEmpty()) return;
    if (result.isNotice) {
        messages.notice(result.message);
    } else {
        messages.error(result.message);
    }
}

void CommandBoundary::show(QWidget& where, Messages& messages, const Result& refusal,
                           QWidget* field) {
    tell(messages, refusal);
    if (refusal) return;
    if (!field) field = fieldOf(*where.window(), refusal.field);
    if (!field) return;
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
}

QWidget* CommandBoundary::fieldOf(QWidget& window, const QString& column) {
    if (column.isEmpty()) return nullptr;
    const auto sameColumn = [&](const QString& other) {
        return other.compare(column, Qt::CaseInsensitive) == 0;
    };
    // A text box of the record before a drop-down of the same column; the boxes of a
    // panel list show other rows and are found by the widget that refused instead.
    for (BoundLineEdit* edit : window.findChildren<BoundLineEdit*>()) {
        if (edit->row() < 0 && !edit->isHidden() && sameColumn(edit->column())) return edit;
    }
    for (LookupComboBox* box : window.findChildren<LookupComboBox*>()) {
        if (!box->isHidden() && sameColumn(box->column())) return box;
    }
    return nullptr;
}

}  // namespace vantir
