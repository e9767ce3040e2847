#pragma once

#include <QString>

#include "billing/rules/BillingPeriod.h"
#include "billing/rules/InvoiceLayoutChoice.h"
#include "billing/rules/InvoiceRun.h"
#include "common/printing/PrintRunner.h"
#include "common/printing/PrintoutRegistry.h"
#include "platform/dataset/Leave.h"
#include "platform/dataset/Result.h"

namespace vantir {

class DataModule1;
class DataModule2;
class Messages;
class QueryDataset;
struct AppState;

// The rules of the invoice dialog "請求印刷選択" (mode "SelSeikyu"): the closing day and
// its billing period, the customer list Q_HIM3S and its marks, the chosen customer, the
// run ("印刷"), its copies ("コピー") and the summary with a discount ("合計請求",
// "合計印刷"). The screen shows what state() says and previews the printouts named here.
class SelSeikyuRules {
  public:
    // What the dialog's controls show.
    struct State {
        QString closingDay;
        BillingPeriod period;
        QString code;
        QString name;
        QString discountRate = QStringLiteral("0");
        QString discountAmount = QStringLiteral("0");
        bool printEnabled = true;
        bool copyEnabled = false;
        bool totalShown = false;     // "合計請求"
        bool discountShown = false;  // the discount fields, their labels and "合計印刷"
    };

    // The layout choice is fixed now, from the switches read at start.
    SelSeikyuRules(DataModule1& dm1, DataModule2& dm2, const AppState& state, Messages& messages);

    // Closes the list, the work tables' views, the company record and the tax rate.
    void close();

    const State& state() const { return state_; }
    const InvoiceLayoutChoice& layout() const { return layout_; }
    QueryDataset& customers() const { return customers_; }
    const PrintRunner& printRunner() const { return runner_; }

    // When the dialog is shown: closing day "99", then the month before today's month.
    Result opening();
    // A change of the closing day: its period, "再表示" (asked once, at the first change),
    // the list of the closing day, the enabled states reset. An empty day does nothing; a
    // refused one keeps the period and the list.
    Result closingDayChanged(const QString& text);
    Result periodChanged(const BillingPeriod& period);
    // A change of the customer code looks its name up; leaving pads a code of 2 to 5
    // characters to six.
    Result codeChanged(const QString& text);
    Leave codeLeft();
    // A click in the list: the code of the list's current row.
    Result customerClicked();

    Result search();     // "検索", also run on leaving the second date
    Result redisplay();  // "再表示": only until the closing day was first changed
    // "印刷": the run, then its copy; the page form to preview comes back in preview.
    Result print(QString* preview);
    // "コピー": the page form to preview, or the dot-matrix invoice straight to the
    // printer ("プリンタ印字エラー" when it cannot be printed), or nothing.
    Result copy(QString* preview);
    void totalInvoice();  // "合計請求"
    Result discountRateChanged(const QString& text);
    Result discountAmountChanged(const QString& text) {
        state_.discountAmount = text;
        return Result::success();
    }
    // "合計印刷": the discount applied and the summary form to preview; nothing for a
    // negative amount.
    Result totalPrint(QString* preview);

    static QString redisplayQuestion() {
        return QStringLiteral("当該月の売上のある得意先のみ表示しますか？");
    }
    static QString redisplayCaption() { return QStringLiteral("範囲指定"); }

  private:
    void resetStates();
    void reopenCustomers();
    void markedListOnly();
    QString listCode() const;

    DataModule1& dm1_;
    Messages& messages_;
    QueryDataset& customers_;
    InvoiceLayoutChoice layout_;
    PrintoutRegistry registry_;
    PrintRunner runner_;
    InvoiceRun run_;
    State state_;
    bool firstChangeDone_ = false;  // Editflg
};

}  // namespace vantir
