#include "maintenance/rules/Initialization.h"

#include <QDir>
#include <QFileInfo>

#include "maintenance/rules/InitializationTable.h"
#include "platform/dates/DateText.h"
#include "platform/db/Database.h"
#include "platform/db/DbError.h"
#include "platform/db/SqlQuote.h"
#include "platform/system/Clock.h"

namespace vantir {

Initialization::Initialization(Database& mainDatabase) : mainDatabase_(mainDatabase) {}

bool Initialization::passwordAccepted(const QString& text) {
    return text == QLatin1String("zobel") || text == QLatin1String("ZOBEL");
}

QDate Initialization::presetDate(const QDate& today) {
    return QDate(today.year(), today.month(), 1).addMonths(-2).addDays(-1);
}

QStringList Initialization::deleteStatement(const InitializationTable& table, bool useDate,
                                            const QDate& date) {
    QStringList lines{QStringLiteral("DELETE FROM ") + table.table};
    if (useDate && table.dateBound)
        lines << QStringLiteral("WHERE DDAY <= ") + sqlQuote(formatYyMmDd(date));
    return lines;
}

QList<QStringList> Initialization::upgradeStatements() {
    const QStringList taxColumns = {QStringLiteral("SHOZEI INTEGER"), QStringLiteral("ZKING INTEGER"),
                                    QStringLiteral("GKING INTEGER")};
    const QList<QPair<QString, QStringList>> tables = {
        {QStringLiteral("HITRAN1"), taxColumns},
        {QStringLiteral("HITRAN2"), taxColumns},
        {QStringLiteral("HITRAN3"), taxColumns},
        {QStringLiteral("HITRANM"), taxColumns},
        {QStringLiteral("HITRANS"), taxColumns},
        {QStringLiteral("WK_SEK_HED"), taxColumns},
        {QStringLiteral("WK_SEIKYU"), taxColumns},
        {QStringLiteral("WK_SEIKYU2"), taxColumns},
        {QStringLiteral("HITRAN11"), QStringList{QStringLiteral("CHKDAY VARCHAR(8)")} + taxColumns},
        {QStringLiteral("HIMAS31"), taxColumns},
        {QStringLiteral("HIMASH31"),
         QStringList{QStringLiteral("NUKING INTEGER"), QStringLiteral("HSKING INTEGER"),
                     QStringLiteral("URIZAN INTEGER"), QStringLiteral("SIRZAN INTEGER")} +
             taxColumns},
    };
    QList<QStringList> statements;
    for (const auto& [table, columns] : tables) {
        for (const QString& column : columns)
            statements << QStringList{QStringLiteral("ALTER TABLE ") + table, QStringLiteral("ADD ") + column};
    }
    return statements;
}

Result Initialization::clear(const InitializationTable& table, bool useDate, const QDate& date) {
    if (safetyCopy_.isEmpty()) {
        const Result copied = takeSafetyCopy();
        if (!copied) return copied;
    }
    try {
        mainDatabase_.connection().execute(deleteStatement(table, useDate, date).join(QLatin1Char('\n')));
        return Result::success();
    } catch (const DbError& error) {
        return Result::failure(error.message());
    }
}

Result Initialization::upgradeColumns() {
    try {
        Connection& connection = mainDatabase_.connection();
        for (const QStringList& lines : upgradeStatements()) connection.execute(lines.join(QLatin1Char('\n')));
        return Result::success();
    } catch (const DbError& error) {
        return Result::failure(error.message());
    }
}

Result Initialization::takeSafetyCopy() {
    const QString copy = QFileInfo(mainDatabase_.path()).dir()
                             .filePath(QStringLiteral("VANTIR_") +
                                       Clock::now().toString(QStringLiteral("yyyyMMdd_HHmmss")) +
                                       QStringLiteral(".mdb"));
    try {
        mainDatabase_.connection().snapshotTo(copy);
    } catch (const DbError& error) {
        return Result::failure(
            QStringLiteral("控えのデータベースを作成できないため、データは削除していません。\n%1\n%2")
                .arg(QDir::toNativeSeparators(copy), error.message()));
    }
    safetyCopy_ = copy;
    return Result::success();
}

}  // namespace vantir
