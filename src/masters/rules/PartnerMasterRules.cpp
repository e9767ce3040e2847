#include "masters/rules/PartnerMasterRules.h"

#include <QScopedValueRollback>
#include <utility>

#include "common/rules/DateRuleMessages.h"
#include "common/rules/NotAnInteger.h"
#include "data/DataModule1.h"
#include "data/HookTargets.h"
#include "masters/rules/PartnerCode.h"
#include "masters/rules/PartnerRangeQuery.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "platform/db/DbError.h"
#include "platform/db/SqlQuote.h"

namespace vantir {

namespace {

const QString kKind = QStringLiteral("KY_KBN");
const QString kCustomerCode = QStringLiteral("KCODE");
const QString kCarrierCode = QStringLiteral("YCODE");
const QString kSiteFlag = QStringLiteral("SIMEFLG");
const QString kNewRecordMark = QStringLiteral("1");
const QString kClosingDay = QStringLiteral("SIME");

// "01" to "28", or "99" for the month end: a partner closing on the 29th would be skipped
// every February, on the 30th or 31st in every month.
bool isClosingDay(const QString& text) {
    if (text == QLatin1String("99")) return true;
    if (text.size() != 2 || !text[0].isDigit() || !text[1].isDigit()) return false;
    const int day = text.toInt();
    return day >= 1 && day <= 28;
}

}  // namespace

PartnerMasterRules::PartnerMasterRules(DataModule1& data, HookTargets& targets)
    : data_(data),
      targets_(targets),
      partners_(data.table(QStringLiteral("HIMAS3"))),
      list_(data.query(QStringLiteral("Q_HIM3"))),
      customerCode_(partners_, kCustomerCode, data.qExpr(),
                    QStringLiteral("取引先コードは登録済です。")) {
    targets_.attach(kModeName, *this);
    subscriptions_.add(partners_.afterPost, [this] { followPostedPartner(); });
    for (Event<>* moved : {&partners_.afterOpen, &partners_.afterScroll, &partners_.afterInsert,
                           &partners_.afterPost, &partners_.afterCancel})
        subscriptions_.add(*moved, [this] { rememberStoredClosingDay(); });
}

PartnerMasterRules::~PartnerMasterRules() { targets_.detach(kModeName, *this); }

Dataset& PartnerMasterRules::branches() const { return data_.view(QStringLiteral("HIMAS1")); }
Dataset& PartnerMasterRules::siteFlags() const { return data_.view(QStringLiteral("f_siteF")); }
Dataset& PartnerMasterRules::depositKinds() const { return data_.view(QStringLiteral("f_YokinF")); }

void PartnerMasterRules::open() {
    try {
        // The view is shared: a filter another screen left on it must not hide partners.
        partners_.setFiltered(false);
        partners_.setFilter(QString());
        partners_.setIndexFieldNames(kCustomerCode);
        partners_.open();
        list_.setSql(PartnerRangeQuery::allInCodeOrder());
        list_.open();
        branches().open();
        siteFlags().open();
        depositKinds().open();
    } catch (const DbError&) {
        close();
        throw;
    }
    listFilter_ = AllPartners;
}

void PartnerMasterRules::close() {
    partners_.close();
    partners_.setFiltered(false);
    partners_.setFilter(QString());
    list_.setSql(PartnerRangeQuery::allInCodeOrder());
    branches().close();
    siteFlags().close();
    depositKinds().close();
}

void PartnerMasterRules::setNewRecordMark(const QString& mark) {
    if (mark == mark_) return;
    mark_ = mark;
    newRecordMarkChanged(mark_);
}

bool PartnerMasterRules::hasRecord() const {
    return partners_.isOpen() && (partners_.isEditing() || partners_.recNo() >= 0);
}

Result PartnerMasterRules::kindLeft() {
    // On an empty form the default would start a record of its own accord.
    if (hasRecord() && partners_.text(kKind).isEmpty()) {
        return partners_.setValue(kKind, QStringLiteral("0"));
    }
    return Result::success();
}

Leave PartnerMasterRules::customerCodeLeft() {
    if (const Result filled = zeroFill(kCustomerCode); !filled) return filled;
    if (!isNewRecord()) return Leave::Go;
    const QString code = partners_.text(kCustomerCode);
    if (code.isEmpty() || !customerCode_.isRegistered(code)) return Leave::Go;
    // The new partner and all that was typed into it go; the user is told why.
    partners_.cancel();
    return Leave::goAfter(Result::notice(customerCode_.message()));
}

void PartnerMasterRules::carrierCodeEntered() {
    if (!isNewRecord() || !partners_.isEditing()) return;
    const QVariant customerCode = partners_.value(kCustomerCode);
    if (partners_.value(kCarrierCode) != customerCode) {
        partners_.setValue(kCarrierCode, customerCode);
    }
}

Result PartnerMasterRules::carrierCodeLeft() { return zeroFill(kCarrierCode); }

Result PartnerMasterRules::closingDayLeft() { return checkClosingDay(); }

// Only a closing day typed anew is checked: one stored before the check existed stays as
// it is until somebody changes it.
Result PartnerMasterRules::checkClosingDay() const {
    if (!hasRecord() || !partners_.isEditing()) return Result::success();
    const QString typed = partners_.text(kClosingDay);
    if (typed.isEmpty() || isClosingDay(typed)) return Result::success();
    if (!storedClosingDay_.isNull() && typed == storedClosingDay_.toString())
        return Result::success();
    return Result::notice(dateRuleMessage::closingDay, kClosingDay);
}

void PartnerMasterRules::rememberStoredClosingDay() {
    const bool browsing = partners_.isOpen() && !partners_.isEditing() && partners_.recNo() >= 0;
    storedClosingDay_ = browsing ? partners_.value(kClosingDay) : QVariant();
}

void PartnerMasterRules::siteFlagEntered() {
    if (hasRecord() && partners_.isNull(kSiteFlag)) {
        partners_.setValue(kSiteFlag, QStringLiteral("2"));
    }
}

// An empty code is no code: it is stored as NULL when the record bar gets the cursor, so
// it is left alone here. Anything else typed that cannot be filled keeps the cursor in
// the field with the text as typed.
Result PartnerMasterRules::zeroFill(const QString& column) {
    if (!hasRecord()) return Result::success();
    const QString typed = partners_.text(column);
    if (typed.isEmpty()) return Result::success();
    const std::optional<QString> filled = zeroFilledPartnerCode(typed);
    if (!filled) return Result::notice(notAnIntegerMessage(typed), column);
    if (*filled != typed) return partners_.setValue(column, *filled);
    return Result::success();
}

void PartnerMasterRules::recordBarEntered() { storeEmptyCodesAsNull(); }

Result PartnerMasterRules::beforePost() {
    storeEmptyCodesAsNull();
    if (const Result closingDay = checkClosingDay(); !closingDay) return closingDay;
    const Result unique = customerCode_.check();
    if (!unique) return unique;
    postedCode_ = partners_.value(kCustomerCode);
    return Result::success();
}

void PartnerMasterRules::storeEmptyCodesAsNull() {
    if (!partners_.isEditing()) return;
    for (const QString& column : {kCustomerCode, kCarrierCode}) {
        if (!partners_.isNull(column) && partners_.text(column).isEmpty()) {
            partners_.clear(column);
        }
    }
}

void PartnerMasterRules::recordBarLeft() {
    const QVariant code = hasRecord() ? partners_.value(kCustomerCode) : QVariant();
    reopenList();
    if (!code.isNull()) list_.locate(QStringLiteral("KCODE"), code);
}

Result PartnerMasterRules::setListFilter(ListFilter filter) {
    if (const Result posted = pendingChangeMayBePosted(); !posted) return posted;
    listFilter_ = filter;
    reopenList();
    showPartnerOfListRow();
    return Result::success();
}

Result PartnerMasterRules::listRowPicked() {
    if (const Result posted = pendingChangeMayBePosted(); !posted) return posted;
    showPartnerOfListRow();
    return Result::success();
}

// Showing another partner posts a pending change on the way, as the form's view does
// when it moves; the change first gets what a post of the record bar gives it.
Result PartnerMasterRules::pendingChangeMayBePosted() {
    if (!partners_.isEditing() || !partners_.isModified()) return Result::success();
    storeEmptyCodesAsNull();
    if (const Result closingDay = checkClosingDay(); !closingDay) return closingDay;
    return customerCode_.check();
}

// Partners of kind "0" (both) are listed only when the list is not filtered.
void PartnerMasterRules::reopenList() {
    QStringList sql{QStringLiteral("SELECT * FROM HIMAS3")};
    if (listFilter_ == Customers) sql << QStringLiteral("WHERE KY_KBN = '1'");
    if (listFilter_ == Carriers) sql << QStringLiteral("WHERE KY_KBN = '2'");
    list_.close();
    list_.setSql(sql);
    list_.open();
}

void PartnerMasterRules::showPartnerOfListRow() {
    // An empty list leaves the form with no partner.
    showPartner(list_.isEmpty() ? QVariant(QString()) : list_.value(kCustomerCode));
}

// The form shows one partner: HIMAS3 filtered to its code. A pending change is posted
// first (and not followed: this partner is shown instead); when the database refuses it,
// DbError leaves the form as it was.
void PartnerMasterRules::showPartner(const QVariant& code) {
    const QScopedValueRollback<bool> showing(showingPartner_, true);
    partners_.setFiltered(false);
    partners_.setFilter(code.isNull() ? QStringLiteral("KCODE IS NULL")
                                      : QStringLiteral("KCODE = ") + sqlQuote(code.toString()));
    partners_.setFiltered(true);
}

// A partner posted under a code other than the one the form is tied to (a new partner,
// or a changed code) would vanish from the form; the form follows it instead. A database
// error ends the command that posted, which shows it.
void PartnerMasterRules::followPostedPartner() {
    const std::optional<QVariant> code = std::exchange(postedCode_, std::nullopt);
    if (!code || showingPartner_ || !partners_.isFiltered()) return;
    if (partners_.recNo() >= 0 && partners_.value(kCustomerCode) == *code) return;
    showPartner(*code);
}

}  // namespace vantir
