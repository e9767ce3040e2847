#include "cash/rules/CashPrintRules.h"

#include "common/rules/NotAnInteger.h"
#include "data/DataModule1.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/db/SqlQuote.h"

namespace vantir {

const QString CashPrintRules::kNoChoice = QStringLiteral("指定無");

CashPrintRules::CashPrintRules(const CashSide& side, DataModule1& data)
    : side_(side), data_(data) {}

QString CashPrintRules::openingMonth(const QDate& today) {
    return today.addMonths(-1).toString(QStringLiteral("yy/MM"));
}

PartnerChoices CashPrintRules::partnersOf(const QString& closingDay) const {
    PartnerChoices choices;
    if (closingDay.isEmpty() || closingDay == u"00") return choices;
    bool isNumber = false;
    const int day = closingDay.toInt(&isNumber);
    if (!isNumber) {
        choices.message = notAnIntegerMessage(closingDay);
        return choices;
    }
    if (day >= 32) return choices;

    choices.replace = true;
    QueryDataset& partners = data_.query(QStringLiteral("Q_HIM3"));
    partners.close();
    partners.setSql({QStringLiteral("SELECT * FROM HIMAS3"),
                     QStringLiteral("WHERE SIME = ") + sqlQuote(closingDay),
                     side_.partnerKindLine});
    partners.open();
    if (!partners.isEmpty()) {
        choices.names << kNoChoice;
        choices.codes << QString();
        for (partners.first(); !partners.eof(); partners.next()) {
            choices.names << partners.text(QStringLiteral("KNAME"));
            choices.codes << partners.text(side_.partnerCode);
        }
    }
    partners.close();
    return choices;
}

PrintSelection CashPrintRules::selection(const QString& closingDay, const QString& month,
                                         const QString& from, const QString& to) {
    PrintSelection selection;
    selection.sime = closingDay;
    selection.month = month;
    selection.from = from;
    selection.to = to;
    return selection;
}

}  // namespace vantir
