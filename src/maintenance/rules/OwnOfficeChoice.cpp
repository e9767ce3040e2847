#include "maintenance/rules/OwnOfficeChoice.h"

#include <QDir>

#include "platform/dataset/QueryDataset.h"
#include "platform/db/SqlQuote.h"

namespace vantir {

OwnOfficeChoice::OwnOfficeChoice(const QString& programDir, QueryDataset& query1)
    : file_(programDir), query1_(query1) {}

Result OwnOfficeChoice::load() {
    const auto settings = file_.read();
    if (!settings) {
        return Result::failure(
            QStringLiteral("%1 を読み込めません。").arg(QDir::toNativeSeparators(file_.path())));
    }
    shown_ = *settings;
    return Result::success();
}

void OwnOfficeChoice::choose(const QString& tencod) {
    query1_.close();
    query1_.clearSql();
    query1_.addSql(QStringLiteral("SELECT * FROM HIMAS1"));
    query1_.addSql(QStringLiteral("WHERE TENCOD = ") + sqlQuote(tencod));
    query1_.open();
    shown_ = {tencod, query1_.text(QStringLiteral("TENMEI"))};
    query1_.close();
}

Result OwnOfficeChoice::save() {
    if (file_.write(shown_)) return Result::success();
    return Result::failure(
        QStringLiteral("%1 に書き込めません。").arg(QDir::toNativeSeparators(file_.path())));
}

}  // namespace vantir
