#include "billing/rules/SelSeikyuRules.h"

#include "billing/rules/BillingPrintouts.h"
#include "billing/rules/DotMatrixCopy.h"
#include "billing/rules/InvoiceCustomerMarks.h"
#include "billing/rules/SlipHousekeeping.h"
#include "common/rules/CodeZeroFill.h"
#include "common/rules/NameLookup.h"
#include "common/rules/NotAnInteger.h"
#include "data/AppState.h"
#include "data/DataModule1.h"
#include "data/DataModule2.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/report/PrinterError.h"
#include "platform/system/Clock.h"
#include "platform/system/Messages.h"

namespace vantir {

namespace {

std::optional<qint64> wholeNumber(const QString& text) {
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

}  // namespace

SelSeikyuRules::SelSeikyuRules(DataModule1& dm1, DataModule2& dm2, const AppState& state,
                               Messages& messages)
    : dm1_(dm1),
      messages_(messages),
      customers_(dm1.query(QStringLiteral("Q_HIM3S"))),
      layout_(InvoiceLayoutChoice::of(state.EditRpt_Flg, state.EditRpt_Flg2)),
      runner_(registry_, {dm1, dm2}),
      run_(dm1) {
    registerBillingPrintouts(registry_);
}

void SelSeikyuRules::close() {
    customers_.close();
    for (const char* view : {"QWK_Seikyu", "WK_SEK_HED", "Q_COP_DAT", "Q_Shozei"})
        dm1_.view(QString::fromLatin1(view)).close();
}

Result SelSeikyuRules::opening() {
    const Result changed = closingDayChanged(QStringLiteral("99"));
    if (!changed) return changed;
    return periodChanged(previousCalendarMonth(Clock::today()));
}

void SelSeikyuRules::resetStates() {
    state_.printEnabled = true;
    state_.copyEnabled = false;
    state_.totalShown = false;
    state_.discountShown = false;
}

void SelSeikyuRules::reopenCustomers() {
    customers_.close();
    customers_.setParam(QStringLiteral("SIME"), state_.closingDay);
    customers_.open();
}

// Once narrowed to the marked customers, the list stays so for the rest of the run.
void SelSeikyuRules::markedListOnly() {
    customers_.setSql(
        {QStringLiteral("SELECT * FROM HIMAS3 WHERE SIME = :SIME AND URI_FLG > 0 ORDER BY KCODE")});
}

QString SelSeikyuRules::listCode() const {
    if (!customers_.isOpen()) customers_.open();
    return customers_.isEmpty() ? QString() : customers_.text(QStringLiteral("KCODE"));
}

Result SelSeikyuRules::closingDayChanged(const QString& text) {
    state_.closingDay = text;
    if (text.isEmpty()) return Result::success();
    const DateRuleResult<BillingPeriod> period = billingPeriod(text, Clock::today());
    if (!period) return Result::failure(period.message);
    state_.period = *period.value;
    const Result redisplayed = redisplay();
    reopenCustomers();
    firstChangeDone_ = true;
    resetStates();
    return redisplayed;
}

Result SelSeikyuRules::periodChanged(const BillingPeriod& period) {
    state_.period = period;
    resetStates();
    return Result::success();
}

Result SelSeikyuRules::codeChanged(const QString& text) {
    state_.code = text;
    state_.name = NameLookup(dm1_, NameLookup::kCustomer).nameOf(text);
    state_.printEnabled = true;
    state_.copyEnabled = false;
    return Result::success();
}

Leave SelSeikyuRules::codeLeft() {
    const QString filled = zeroFilledCode(state_.code);
    if (filled != state_.code) return codeChanged(filled);
    return Leave::Go;
}

Result SelSeikyuRules::customerClicked() { return codeChanged(listCode()); }

Result SelSeikyuRules::redisplay() {
    if (firstChangeDone_) return Result::success();
    if (!messages_.question(redisplayQuestion(), redisplayCaption())) return Result::success();
    state_.code.clear();
    state_.name.clear();
    InvoiceCustomerMarks::remark(dm1_.database().connection(), state_.closingDay, state_.period,
                                 MarkComparison::Text);
    markedListOnly();
    return Result::success();
}

Result SelSeikyuRules::search() {
    if (!state_.closingDay.isEmpty()) {
        state_.code.clear();
        state_.name.clear();
        Connection& connection = dm1_.database().connection();
        SlipHousekeeping::run(connection);
        InvoiceCustomerMarks::remark(connection, state_.closingDay, state_.period,
                                     MarkComparison::Date);
        markedListOnly();
        reopenCustomers();
    }
    return codeChanged(listCode());
}

Result SelSeikyuRules::print(QString* preview) {
    const Result printed = run_.print(state_.code, state_.name, state_.period);
    if (!printed) return printed;
    state_.printEnabled = false;
    state_.copyEnabled = true;
    state_.totalShown = true;
    return copy(preview);
}

Result SelSeikyuRules::copy(QString* preview) {
    preview->clear();
    switch (layout_.detailed) {
        case DetailedInvoiceForm::QR_Seikyu:
        case DetailedInvoiceForm::QR_Seikyu2:
            *preview = layout_.detailedPrintout();
            break;
        case DetailedInvoiceForm::DotMatrix:
            try {
                DotMatrixCopy::print(dm1_);
            } catch (const PrinterError& error) {
                return Result::failure(error.message());
            }
            break;
        case DetailedInvoiceForm::None:
            break;
    }
    return Result::success();
}

void SelSeikyuRules::totalInvoice() {
    state_.discountShown = true;
    state_.totalShown = false;
}

Result SelSeikyuRules::discountRateChanged(const QString& text) {
    const std::optional<qint64> rate = wholeNumber(text);
    if (!rate) return Result::failure(notAnIntegerMessage(text));
    state_.discountRate = text;
    if (const std::optional<qint64> amount =
            run_.discountForRate(state_.code, state_.period, *rate))
        state_.discountAmount = QString::number(*amount);
    return Result::success();
}

Result SelSeikyuRules::totalPrint(QString* preview) {
    preview->clear();
    const std::optional<qint64> amount = wholeNumber(state_.discountAmount);
    if (!amount) return Result::failure(notAnIntegerMessage(state_.discountAmount));
    if (run_.applyDiscount(state_.code, state_.period, *amount)) *preview = layout_.summary;
    return Result::success();
}

}  // namespace vantir
