#include "slips/rules/SlipCorrectionRules.h"

#include "common/rules/NotAnInteger.h"
#include "common/rules/StoredNumber.h"
#include "data/DataModule1.h"
#include "data/HookTargets.h"
#include "platform/dataset/TableDataset.h"
#include "platform/db/DbError.h"
#include "platform/db/SqlQuote.h"
#include "platform/system/Messages.h"

namespace vantir {

SlipCorrectionRules::SlipCorrectionRules(const SlipFormDescription& description, DataModule1& data,
                                         HookTargets& targets, Messages& messages)
    : data_(data),
      targets_(targets),
      messages_(messages),
      slips_(data.table(QStringLiteral("HITRAN1"))),
      slip_(slips_, data, description, messages) {
    if (description.buttonsFollowHooks) targets_.attach(kModeName, *this);
}

SlipCorrectionRules::~SlipCorrectionRules() { targets_.detach(kModeName, *this); }

Dataset& SlipCorrectionRules::billingKinds() const {
    return data_.view(QStringLiteral("f_SeikyuK"));
}
Dataset& SlipCorrectionRules::staff() const { return data_.view(QStringLiteral("HIMAS2")); }

// Asked as the entry screen asks before its set date drops a change: going back to the
// number must not throw away a corrected slip without a word.
bool SlipCorrectionRules::numberEntered() {
    if (slip_.changePending()) {
        if (!messages_.question(QStringLiteral("データが変更されています、取消して良いですか。？"),
                                QStringLiteral("登録変更"))) {
            return false;
        }
        slip_.cancelSlip();
    }
    close();
    return true;
}

// Slip numbers carry no leading zeros, so the number is matched exactly as typed.
// The form learns the columns of the slips and the lists from one opening that reads no
// slip; then they are put away until a number is entered.
void SlipCorrectionRules::open() {
    load(QString());
    close();
}

// A slip the user chose to keep on entering the box stays as it is.
Leave SlipCorrectionRules::numberLeft(const QString& number) {
    if (!slip_.description().numberLoadsSlip || slip_.changePending()) return Leave::Go;
    if (number.isEmpty()) return Leave::Stay;
    load(number);
    return Leave::Go;
}

SlipCorrectionRules::ListSlip SlipCorrectionRules::showListSlip(const QString& listCode) {
    if (!numberEntered()) return {.kept = true};
    const StoredNumber number = StoredNumber::read(listCode);
    switch (number.kind) {
        case StoredNumber::Kind::NotANumber:
            return {.refusal = Result::failure(notAnIntegerMessage(number.text))};
        case StoredNumber::Kind::Blank:
            load(QStringLiteral("0"));
            return {.number = QStringLiteral("0")};
        case StoredNumber::Kind::Number:
            break;
    }
    load(listCode);
    return {.number = QString::number(number.value)};
}

void SlipCorrectionRules::load(const QString& number) {
    try {
        slips_.setFiltered(false);
        slips_.setFilter(QString());
        slips_.setFilter(QStringLiteral("CODE = ") + sqlQuote(number));
        slips_.setFiltered(true);
        billingKinds().open();
        staff().open();
        slips_.open();
    } catch (const DbError&) {
        close();
        throw;
    }
}

void SlipCorrectionRules::close() {
    slips_.close();
    slips_.setFiltered(false);
    slips_.setFilter(QString());
    billingKinds().close();
    staff().close();
}

}  // namespace vantir
