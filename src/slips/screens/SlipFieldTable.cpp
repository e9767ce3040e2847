#include "slips/screens/SlipFieldTable.h"

#include "slips/rules/SlipRules.h"

namespace vantir {

QList<FormField> slipFieldTable(SlipRules& rules, Dataset& billingKinds, Dataset& staff) {
    const bool remembers = rules.description().remembersFields;
    // "コード *": the slip repeats the field from the previous one.
    const auto remembered = [remembers](const char* caption) {
        const QString text = QString::fromUtf8(caption);
        return remembers ? text + QStringLiteral(" *") : text;
    };
    const auto repeat = [&rules](const char* column) {
        return [&rules, column] { return rules.rememberedLeft(QString::fromLatin1(column)); };
    };
    const auto zeroWhenEmpty = [&rules](const char* column) {
        return [&rules, column] { return rules.amountLeft(QString::fromLatin1(column)); };
    };
    const InputMode hiragana = InputMode::Hiragana;
    const QString customer = QStringLiteral("【 取引先　（得意先） 】");
    const QString carrier = QStringLiteral("【 取引先　（傭車先） 】");
    const QString costs = QStringLiteral("【 諸費用　（その他） 】");
    const QString branches = QStringLiteral("【 支店間　取引 】");
    return {
        {.column = "HYMD",
         .caption = "&T 配送日付",
         .enter = [&rules] { return rules.dateEntered(QStringLiteral("HYMD")); }},
        {.column = "THYMD",
         .caption = "着地日付",
         .enter = [&rules] { return rules.dateEntered(QStringLiteral("THYMD")); }},
        {.column = "CODE", .caption = "伝票No", .enter = [&rules] { return rules.codeEntered(); }},
        {.column = "SEKBN",
         .caption = "請求区分",
         .leave = [&rules] { return rules.billingKindLeft(); }},
        {.column = "SEKBN",
         .list = {&billingKinds, "FDATA", "FNAME"},
         .inEnterSequence = false,
         .inTabOrder = false,
         .movesLike = "SEKBN"},
        {.column = "DDAY", .caption = "請求日付", .inTabOrder = false},
        {.column = "KCODE",
         .caption = remembered("コード"),
         .leave = [&rules] { return rules.customerCodeLeft(); },
         .heading = customer},
        {.column = "KNAME",
         .caption = "得意先名",
         .input = hiragana,
         .heading = customer,
         .inEnterSequence = false,
         .movesLike = "KCODE"},
        {.column = "HATTI",
         .caption = remembered("発地"),
         .input = hiragana,
         .leave = repeat("HATTI"),
         .heading = customer},
        {.column = "THTTI",
         .caption = remembered("着地"),
         .input = hiragana,
         .leave = repeat("THTTI"),
         .heading = customer},
        {.column = "TON",
         .caption = remembered("屯数"),
         .leave = repeat("TON"),
         .heading = customer},
        {.column = "UKING", .caption = "売上金額", .heading = customer},
        {.column = "YCODE",
         .caption = remembered("コード"),
         .leave = [&rules] { return rules.carrierCodeLeft(); },
         .heading = carrier},
        {.column = "YNAME",
         .caption = "傭車先名",
         .input = hiragana,
         .heading = carrier,
         .inEnterSequence = false,
         .movesLike = "YCODE"},
        {.column = "SHBAN", .caption = "車番", .heading = carrier},
        {.column = "YKING",
         .caption = "傭車料",
         .leave = zeroWhenEmpty("YKING"),
         .heading = carrier},
        {.column = "SKING",
         .caption = "傭車合計",
         .leave = zeroWhenEmpty("SKING"),
         .legend = "空欄は集計時に書込",
         .heading = carrier},
        {.column = "TANCOD",
         .caption = remembered("担当CD"),
         .leave = [&rules] { return rules.staffCodeLeft(); },
         .heading = carrier},
        {.column = "TANMEI",
         .caption = "氏名",
         .input = hiragana,
         .heading = carrier,
         .inEnterSequence = false,
         .inTabOrder = false,
         .movesLike = "TANCOD"},
        {.column = "BIKO",
         .caption = remembered("摘要"),
         .input = hiragana,
         .leave = repeat("BIKO"),
         .heading = carrier},
        {.column = "UHIYO",
         .caption = "費用(売)",
         .leave = zeroWhenEmpty("UHIYO"),
         .heading = costs},
        {.column = "SHIYO",
         .caption = "費用(仕)",
         .leave = [&rules] { return rules.purchaseCostLeft(); },
         .heading = costs},
        {.column = "SUB1", .caption = "予備", .input = hiragana, .heading = costs},
        {.column = "INKING",
         .caption = "社内売上",
         .leave = zeroWhenEmpty("INKING"),
         .heading = branches},
        {.column = "INSKING",
         .caption = "社内傭車",
         .leave = zeroWhenEmpty("INSKING"),
         .heading = branches},
        {.column = "SUBM", .caption = "備考・メモ", .input = hiragana, .heading = branches},
        {.column = "CHKDAY", .caption = "受領確認日", .heading = branches},
        // The staff drop-down: beside the code, the last stop of Tab.
        {.column = "TANCOD",
         .list = {&staff, "TANCOD", "TANMEI"},
         .inEnterSequence = false,
         .movesLike = "TANCOD"},
    };
}

}  // namespace vantir
