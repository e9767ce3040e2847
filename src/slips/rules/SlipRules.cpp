#include "slips/rules/SlipRules.h"

#include "common/rules/RuleRecord.h"
#include "platform/dataset/Dataset.h"
#include "platform/system/Messages.h"

namespace vantir {

namespace {

const QString kDispatchDate = QStringLiteral("HYMD");
const QString kArrivalDate = QStringLiteral("THYMD");
const QString kBillingKind = QStringLiteral("SEKBN");
const QString kBillingDate = QStringLiteral("DDAY");
const QString kCarrierFee = QStringLiteral("YKING");
const QString kCarrierTotal = QStringLiteral("SKING");
const QString kPurchaseCost = QStringLiteral("SHIYO");
const QString kStaffCode = QStringLiteral("TANCOD");
const QString kNormalBilling = QStringLiteral("0");

}  // namespace

SlipRules::SlipRules(Dataset& slips, DataModule& data, const SlipFormDescription& description,
                     Messages& messages)
    : slips_(slips),
      description_(description),
      messages_(messages),
      numbering_(data, NextNumber::kSlips),
      customers_(data, NameLookup::kCustomer),
      carriers_(data, NameLookup::kCarrier),
      staff_(data, NameLookup::kStaff) {
    // The staff name follows the code as it is typed, character by character.
    subscriptions_.add(slips_.fieldChanged, [this](const QString& column) {
        if (column.compare(kStaffCode, Qt::CaseInsensitive) == 0) {
            staff_.fillName(slips_, kStaffCode, QStringLiteral("TANMEI"));
        }
    });
}

bool SlipRules::hasRecord() const { return vantir::hasRecord(slips_); }

Result SlipRules::dateEntered(const QString& column) {
    // With no set date there is nothing to default to.
    if (!description_.setDateDefault || setDate_.isEmpty() || !hasRecord()) return {};
    if (!slips_.isNull(column)) return {};
    return slips_.setValue(column, setDate_);
}

Result SlipRules::codeEntered() const { return numbering_.codeEntered(slips_); }

// The billing date invoices and the monthly aggregation select the slip by: the dispatch
// date for normal billing, the unloading date otherwise. A date typed by hand into DDAY
// lasts until the cursor next leaves the billing kind.
Result SlipRules::billingKindLeft() {
    if (!hasRecord()) return {};
    if (slips_.isNull(kBillingKind)) {
        if (const Result kind = slips_.setValue(kBillingKind, kNormalBilling); !kind) return kind;
    }
    const QString dateColumn =
        slips_.text(kBillingKind) == kNormalBilling ? kDispatchDate : kArrivalDate;
    const QVariant date = slips_.value(dateColumn);
    const QVariant billingDate = slips_.value(kBillingDate);
    if (!billingDate.isNull() && billingDate == date) return {};
    return slips_.setValue(kBillingDate, date);
}

Leave SlipRules::remembered(const QString& column) {
    if (!description_.remembersFields || !hasRecord() || !slips_.text(column).isEmpty()) {
        return Leave::Go;
    }
    const QString previous = previous_.value(column);
    // Nothing to repeat on the first slip: the field must be filled.
    if (previous.isEmpty()) return Leave::Stay;
    return slips_.setValue(column, previous);
}

Leave SlipRules::rememberedLeft(const QString& column) { return remembered(column); }

Leave SlipRules::lookedUp(const QString& column, const NameLookup& lookup,
                          const QString& nameColumn) {
    if (const Leave repeated = remembered(column); repeated.stays()) return repeated;
    return lookup.codeLeft(slips_, column, nameColumn);
}

Leave SlipRules::customerCodeLeft() {
    return lookedUp(QStringLiteral("KCODE"), customers_, QStringLiteral("KNAME"));
}

Leave SlipRules::carrierCodeLeft() {
    return lookedUp(QStringLiteral("YCODE"), carriers_, QStringLiteral("YNAME"));
}

Leave SlipRules::staffCodeLeft() { return lookedUp(kStaffCode, staff_, QStringLiteral("TANMEI")); }

Result SlipRules::amountLeft(const QString& column) {
    if (!description_.amountDefaults || !hasRecord() || !slips_.isNull(column)) return {};
    return slips_.setValue(column, qint64(0));
}

qint64 SlipRules::amount(const QString& column) const {
    return slips_.value(column).toLongLong();  // NULL counts as 0
}

// The carrier total is the fee plus the purchase-side costs unless a positive total was
// typed by hand.
Result SlipRules::purchaseCostLeft() {
    if (const Result cost = amountLeft(kPurchaseCost); !cost) return cost;
    if (!hasRecord() || amount(kCarrierTotal) > 0) return {};
    const qint64 total = amount(kCarrierFee) + amount(kPurchaseCost);
    if (!slips_.isNull(kCarrierTotal) && amount(kCarrierTotal) == total) return {};
    return slips_.setValue(kCarrierTotal, total);
}

Result SlipRules::codeHandedBack(const QString& column, const QString& code) {
    if (!slips_.isEditing()) slips_.edit();
    return slips_.setValue(column, code);
}

Result SlipRules::registerSlip() {
    if (!slips_.isEditing()) return {};
    const qint64 total = amount(kCarrierTotal);
    const bool recompute =
        description_.carrierTotal == SlipFormDescription::CarrierTotalOnRegister::WhenNegative
            ? total < 0
            : total <= 0;
    if (recompute) {
        const Result set =
            slips_.setValue(kCarrierTotal, amount(kCarrierFee) + amount(kPurchaseCost));
        if (!set) return set;
    }
    if (description_.remembersFields) previous_.take(slips_);
    return slips_.post();
}

void SlipRules::cancelSlip() {
    if (slips_.isEditing()) slips_.cancel();
}

void SlipRules::appendSlip() { slips_.append(); }

Result SlipRules::deleteSlip() {
    if (!messages_.question(QStringLiteral("削除してよろしいですか？"), QStringLiteral("削除"))) {
        return {};
    }
    if (!slips_.isEditing() && slips_.recNo() < 0) return {};
    return slips_.remove();
}

bool SlipRules::changePending() const { return slips_.isOpen() && slips_.isEditing(); }

Result SlipRules::closeRefusal() const {
    if (!changePending()) return {};
    return Result::notice(QStringLiteral("データが変更されています。\n登録か取消を押して下さい。"));
}

}  // namespace vantir
