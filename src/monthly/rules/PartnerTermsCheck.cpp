#include "monthly/rules/PartnerTermsCheck.h"

#include "common/rules/DateRuleInput.h"
#include "monthly/rules/AggregateRow.h"
#include "monthly/rules/MonthlyStop.h"

namespace vantir {

void PartnerTermsCheck::check(const std::vector<AggregateRow>& partners) {
    struct Term {
        AggregateRow::Column column;
        int digits;
        const char16_t* name;
    };
    const Term terms[] = {{AggregateRow::SIME, 2, u"締日"}, {AggregateRow::SAIT, 3, u"サイト"}};
    for (const AggregateRow& partner : partners) {
        for (const Term& term : terms) {
            const QString value = partner.text(term.column);
            if (value.isEmpty() || readRuleNumber(value, term.digits)) continue;
            const QString code = partner.text(AggregateRow::KCODE).isEmpty()
                                     ? partner.text(AggregateRow::YCODE)
                                     : partner.text(AggregateRow::KCODE);
            throw MonthlyStop(
                QStringLiteral("取引先 %1 の%2「%3」が数字ではありません。取引先マスターを直して下さい。"
                               "月次集計は行いませんでした。")
                    .arg(code, QString::fromUtf16(term.name), value));
        }
    }
}

}  // namespace vantir
