#include "maintenance/rules/OwnOfficeChoice.h"

#include <QDir>

#include "platform/dataset/QueryDataset.h"
#include "platform/db/DbError.h"
#include "platform/db/SqlQuote.h"
#include "platform/system/Messages.h"

namespace vantir {

OwnOfficeChoice::OwnOfficeChoice(const QString& programDir, QueryDataset& query1,
                                 Messages& messages)
    : file_(programDir), query1_(query1), messages_(messages) {}

bool OwnOfficeChoice::load() {
    const auto settings = file_.read();
    if (!settings) {
        messages_.error(
            QStringLiteral("%1 を読み込めません。").arg(QDir::toNativeSeparators(file_.path())));
        return false;
    }
    shown_ = *settings;
    return true;
}

void OwnOfficeChoice::choose(const QString& tencod) {
    try {
        query1_.close();
        query1_.clearSql();
        query1_.addSql(QStringLiteral("SELECT * FROM HIMAS1"));
        query1_.addSql(QStringLiteral("WHERE TENCOD = ") + sqlQuote(tencod));
        query1_.open();
        shown_ = {tencod, query1_.text(QStringLiteral("TENMEI"))};
        query1_.close();
    } catch (const DbError& error) {
        messages_.error(error.message());
    }
}

bool OwnOfficeChoice::save() {
    if (file_.write(shown_)) return true;
    messages_.error(
        QStringLiteral("%1 に書き込めません。").arg(QDir::toNativeSeparators(file_.path())));
    return false;
}

}  // namespace vantir
