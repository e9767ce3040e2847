#include "common/rules/NameLookup.h"

#include "common/rules/CodeZeroFill.h"
#include "common/rules/RuleRecord.h"
#include "data/DataModule.h"
#include "platform/dataset/QueryDataset.h"

namespace vantir {

const NameLookupKind NameLookup::kCustomer{QStringLiteral("Q_HIM3T_LQ"), QStringLiteral("KCODE"),
                                           QStringLiteral("KNAME"), true, true};
const NameLookupKind NameLookup::kCarrier{QStringLiteral("Q_HIM3Y_LQ"), QStringLiteral("YCODE"),
                                          QStringLiteral("KNAME"), true, true};
const NameLookupKind NameLookup::kStaff{QStringLiteral("Q_HIM2_LQ"), QStringLiteral("TANCOD"),
                                        QStringLiteral("TANMEI"), false, false};

NameLookup::NameLookup(DataModule& data, const NameLookupKind& kind)
    : query_(data.query(kind.query)), kind_(kind) {}

QString NameLookup::nameOf(const QString& code) const {
    query_.close();
    query_.setParam(kind_.parameter, code);
    query_.open();
    const QString name = query_.isEmpty() ? QString() : query_.text(kind_.nameColumn);
    query_.close();
    return name;
}

Result NameLookup::codeLeft(Dataset& record, const QString& codeColumn,
                            const QString& nameColumn) const {
    if (!hasRecord(record)) return Result::success();
    if (kind_.zeroFillsCode) {
        const QString typed = record.text(codeColumn);
        const QString filled = zeroFilledCode(typed);
        if (filled != typed) {
            const Result stored = record.setValue(codeColumn, filled);
            if (!stored) return stored;
        }
    }
    return fillName(record, codeColumn, nameColumn);
}

Result NameLookup::fillName(Dataset& record, const QString& codeColumn,
                            const QString& nameColumn) const {
    if (!hasRecord(record)) return Result::success();
    const QString name = nameOf(record.text(codeColumn));
    if (name.isEmpty() && !kind_.writesEmptyName) return Result::success();
    if (!record.isNull(nameColumn) && record.text(nameColumn) == name) return Result::success();
    return record.setValue(nameColumn, name);
}

}  // namespace vantir
