#include "platform/ui/ListWidths.h"

#include <QHeaderView>
#include <QScrollBar>

#include "platform/ui/DatasetGrid.h"

namespace vantir {

void fitListToColumnWidths(DatasetGrid& list) {
    const DatasetTableModel& model = list.tableModel();
    const int digit = list.fontMetrics().horizontalAdvance(QLatin1Char('0'));
    int total = 0;
    for (int column = 0; column < model.columnCount(); ++column) {
        const QString title = model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        const int text = digit * (qMax(model.byteWidth(column), 4) + 2);
        const int width = qMax(text, list.fontMetrics().horizontalAdvance(title) + 2 * digit);
        list.horizontalHeader()->resizeSection(column, width);
        total += width;
    }
    list.setMinimumWidth(total + list.verticalScrollBar()->sizeHint().width() +
                         2 * list.frameWidth());
}

}  // namespace vantir
