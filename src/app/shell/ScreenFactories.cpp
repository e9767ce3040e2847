#include "app/shell/ScreenFactories.h"

#include <QDialog>

#include "app/printouts/Printouts.h"
#include "app/shell/AboutBox.h"
#include "app/shell/CommandTable.h"
#include "app/shell/LongLivedScreens.h"
#include "app/shell/ScreenContext.h"
#include "billing/screens/SelSeikyuScreen.h"
#include "cash/screens/CashEntryScreen.h"
#include "cash/screens/CashListScreen.h"
#include "cash/screens/CashPrintDialog.h"
#include "data/AppState.h"
#include "data/DataModule1.h"
#include "ledgers/screens/LedgerEditorScreen.h"
#include "ledgers/screens/SchedulePrintScreen.h"
#include "maintenance/screens/CompactionScreen.h"
#include "maintenance/screens/CompanyScreen.h"
#include "maintenance/screens/ControlScreen.h"
#include "maintenance/screens/DataSwitchScreen.h"
#include "maintenance/screens/InitializationScreen.h"
#include "maintenance/screens/OwnOfficeScreen.h"
#include "maintenance/screens/PasswordDialog.h"
#include "maintenance/screens/YearEndPurgeDialog.h"
#include "masters/screens/AddressPrintScreen.h"
#include "masters/screens/CodeMasterScreen.h"
#include "masters/screens/GassanScreen.h"
#include "masters/screens/PartnerMasterScreen.h"
#include "monthly/rules/MonthlyReportShape.h"
#include "monthly/screens/MonthlyPrintScreen.h"
#include "monthly/screens/SetMonScreen.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/report/ReportPreview.h"
#include "platform/system/Registry.h"
#include "slips/screens/DispatchListScreen.h"
#include "slips/screens/PartnerSearchDialog.h"
#include "slips/screens/PrintRangeScreen.h"
#include "slips/screens/SlipCorrectionScreen.h"
#include "slips/screens/SlipEntryScreen.h"
#include "slips/screens/SlipSearchDialog.h"

namespace vantir {

namespace {

// The screens of a command that opens one screen.
template <typename Widget>
ScreenSet screenSet(std::unique_ptr<Widget> screen) {
    ScreenSet screens;
    screens.push_back(std::move(screen));
    return screens;
}

// A print dialog that serves several reports, told apart by the report name of its command.
template <typename Dialog>
ScreenFactory printDialog() {
    return [](const ScreenContext& context) {
        return screenSet(std::make_unique<Dialog>(context.reportName, context.state,
                                                  programPrintouts(),
                                                  PrintSources{context.dm1, context.dm2},
                                                  context.messages));
    };
}

// The setting dates of the receipt and the payment entry, kept apart and for the whole
// run, whichever screens come and go.
struct CashSettingDates {
    QString receipts;
    QString payments;
};

// The searches the slip screens open: the long-lived dialogs of the main window.
SearchDialogs slipSearches(LongLivedScreens& longLived) {
    return {[&longLived](const QString& name) { return longLived.find(name) != nullptr; },
            [&longLived](const QString& name) { longLived.show(name); }};
}

void registerCashScreens(CommandTable& table) {
    auto dates = std::make_shared<CashSettingDates>();
    const auto entry = [dates](const CashSide& side, QString CashSettingDates::*date) {
        return [dates, &side, date](const ScreenContext& context) {
            LongLivedScreens& longLived = context.longLived;
            return screenSet(std::make_unique<CashEntryScreen>(
                side, context.dm1, context.handBacks, context.messages, (*dates).*date,
                context.state.EditDate,
                [&longLived](const QString& name) { longLived.show(name); }));
        };
    };
    table.setScreenFactory(QStringLiteral("Nyukin"),
                           entry(CashSide::receipts(), &CashSettingDates::receipts));
    table.setScreenFactory(QStringLiteral("HaraiInp"),
                           entry(CashSide::payments(), &CashSettingDates::payments));
    for (const CashSide* side : {&CashSide::receipts(), &CashSide::payments()}) {
        table.setScreenFactory(side->listMode, [side](const ScreenContext& context) {
            LongLivedScreens& longLived = context.longLived;
            return screenSet(std::make_unique<CashListScreen>(
                *side, context.dm1, context.handBacks, context.messages,
                [&longLived](const QString& name) { longLived.show(name); }));
        });
        table.setScreenFactory(side->printMode, [side](const ScreenContext& context) {
            return screenSet(std::make_unique<CashPrintDialog>(
                *side, programPrintouts(), PrintSources{context.dm1, context.dm2}, context.state,
                context.messages));
        });
    }
}

}  // namespace

void registerScreens(CommandTable& table, LongLivedScreens& longLived) {
    // Group 1: the slip entry.
    table.setScreenFactory(QStringLiteral("NippoInp"), [](const ScreenContext& context) {
        return screenSet(std::make_unique<SlipEntryScreen>(
            context.dm1, context.hookTargets, context.handBacks, context.state,
            slipSearches(context.longLived), context.messages));
    });
    table.setScreenFactory(QStringLiteral("NippoEdit"), [](const ScreenContext& context) {
        return screenSet(std::make_unique<SlipCorrectionScreen>(
            SlipFormDescription::correction(), context.dm1, context.hookTargets, context.handBacks,
            slipSearches(context.longLived), context.messages));
    });
    // Group 1: the dispatch list with its inquiry correction beside it. The receipt date
    // the list repeats lasts for the run, whichever lists come and go.
    auto receiptDate = std::make_shared<QString>();
    table.setScreenFactory(QStringLiteral("RepNippo"), [receiptDate](const ScreenContext& context) {
        auto inquiry = std::make_unique<SlipCorrectionScreen>(
            SlipFormDescription::inquiry(), context.dm1, context.hookTargets, context.handBacks,
            slipSearches(context.longLived), context.messages);
        auto list = std::make_unique<DispatchListScreen>(
            context.dm1, context.handBacks, *receiptDate, *inquiry, slipSearches(context.longLived),
            context.messages);
        ScreenSet screens;
        screens.push_back(std::move(list));
        screens.push_back(std::move(inquiry));
        return screens;
    });
    // Group 1: daily prints. One print range dialog serves four printouts, told apart by
    // the report name of the command.
    for (const char* mode : {"SelDate", "SelDate2", "SelDate3", "SelDate4"})
        table.setScreenFactory(QLatin1String(mode), printDialog<PrintRangeScreen>());
    // The blank receipt sheet goes straight to its preview.
    table.setScreenFactory(QStringLiteral("QR_JyuryoW"), [](const ScreenContext& context) {
        const PrintRunner runner(programPrintouts(), {context.dm1, context.dm2});
        auto preview = std::make_unique<ReportPreview>(
            runner.layOut(QStringLiteral("QR_JyuryoW"), PrintSelection{}));
        context.dm1.query(QStringLiteral("Q_HIT1QR")).close();
        preview->setAttribute(Qt::WA_DeleteOnClose);
        return screenSet(std::move(preview));
    });

    // Group 2: receipts and payments.
    registerCashScreens(table);

    // Group 3: billing.
    table.setScreenFactory(QStringLiteral("SelSeikyu"), [](const ScreenContext& context) {
        return screenSet(std::make_unique<SelSeikyuScreen>(context.dm1, context.dm2, context.state,
                                                           context.messages));
    });

    // Group 4: the monthly aggregation.
    table.setScreenFactory(QStringLiteral("SetMon"), [](const ScreenContext& context) {
        return screenSet(std::make_unique<SetMonScreen>(context.dm1, context.dm2, context.state,
                                                        context.messages));
    });

    // Groups 3 to 6: one dialog serves the eighteen month-based reports, shaped by mode.
    for (const QString& report : MonthlyReportShape::reports()) {
        table.setScreenFactory(report, [report](const ScreenContext& context) {
            return screenSet(std::make_unique<MonthlyPrintScreen>(
                report, programPrintouts(), PrintSources{context.dm1, context.dm2},
                context.messages));
        });
    }

    // Group 4: the consolidation masters, one screen told apart by its side; each waits
    // for its side's search, made at start.
    for (const GassanSide* side : {&GassanSide::customer(), &GassanSide::carrier()}) {
        table.setScreenFactory(side->modeName, [side](const ScreenContext& context) {
            auto* search = qobject_cast<QDialog*>(context.longLived.find(side->searchName));
            return screenSet(std::make_unique<GassanScreen>(*side, context.dm1, context.handBacks,
                                                            search, context.messages));
        });
    }

    // Group 6: the ledger editors, one screen told apart by its description.
    for (const LedgerEditorDescription* description : LedgerEditorDescription::all()) {
        table.setScreenFactory(description->modeName, [description](const ScreenContext& context) {
            return screenSet(
                std::make_unique<LedgerEditorScreen>(*description, context.dm1, context.messages));
        });
    }

    // Group 7: one print dialog serves the schedules, told apart by the report name.
    for (const char* mode :
         {"QR_Nyu_Yo", "QR_Hari_Yo", "QR_Hari_Lst", "QR_Kake_Rep", "QR_Furi_Den"})
        table.setScreenFactory(QLatin1String(mode), printDialog<SchedulePrintScreen>());

    // Group 8: masters.
    table.setScreenFactory(QStringLiteral("Tokui_mas"), [](const ScreenContext& context) {
        return screenSet(std::make_unique<PartnerMasterScreen>(context.dm1, context.hookTargets,
                                                               context.messages));
    });
    table.setScreenFactory(QStringLiteral("Tan_mas"), [](const ScreenContext& context) {
        return screenSet(std::make_unique<CodeMasterScreen>(CodeMasterDescription::staff(),
                                                            context.dm1, context.messages));
    });
    table.setScreenFactory(QStringLiteral("Ten_mas"), [](const ScreenContext& context) {
        return screenSet(std::make_unique<CodeMasterScreen>(CodeMasterDescription::branch(),
                                                            context.dm1, context.messages));
    });

    // One address print dialog serves the address book and the labels, told apart by mode.
    for (const char* mode : {"QR_Address", "QR_Add_LBL"})
        table.setScreenFactory(QLatin1String(mode), printDialog<AddressPrintScreen>());

    // Group 9: maintenance.
    table.setScreenFactory(QStringLiteral("S_Control"), [](const ScreenContext& context) {
        return screenSet(std::make_unique<ControlScreen>(context.dm1, context.messages));
    });
    table.setScreenFactory(QStringLiteral("Cop_Dat"), [](const ScreenContext& context) {
        return screenSet(std::make_unique<CompanyScreen>(context.dm1, context.messages));
    });
    table.setScreenFactory(QStringLiteral("TenSet"), [](const ScreenContext& context) {
        return screenSet(
            std::make_unique<OwnOfficeScreen>(context.programDir, context.dm1, context.messages));
    });

    table.setScreenFactory(QStringLiteral("NenDel"), [](const ScreenContext& context) {
        return screenSet(std::make_unique<YearEndPurgeDialog>(
            context.programDir, context.dm1.database(), Registry::defaultPath(), context.messages));
    });
    // The password dialog is shown; the initialization screen behind it only on the right
    // password. Both go with the next command.
    table.setScreenFactory(QStringLiteral("Delete"), [](const ScreenContext& context) {
        auto initialization =
            std::make_unique<InitializationScreen>(context.dm1.database(), context.messages);
        ScreenSet screens;
        screens.push_back(std::make_unique<PasswordDialog>(initialization.get(), context.messages));
        screens.push_back(std::move(initialization));
        return screens;
    });

    // Screens made at start.
    longLived.registerScreen(QStringLiteral("Compaction"), [](const ScreenContext& context) {
        return std::make_unique<CompactionScreen>(context.programDir, context.messages);
    });
    longLived.registerScreen(QStringLiteral("DataSwitch"), [](const ScreenContext& context) {
        return std::make_unique<DataSwitchScreen>(context.programDir, context.dm1, context.dm2,
                                                  context.state, Registry::defaultPath(),
                                                  context.messages);
    });
    longLived.registerScreen(QStringLiteral("SlipSearch"), [](const ScreenContext& context) {
        return std::make_unique<SlipSearchDialog>(context.dm1, context.messages);
    });
    for (const PartnerSearchDescription& search :
         {PartnerSearchDescription::customer(), PartnerSearchDescription::carrier()}) {
        longLived.registerScreen(search.name, [search](const ScreenContext& context) {
            return std::make_unique<PartnerSearchDialog>(search, context.dm1, context.state,
                                                         context.handBacks, context.messages);
        });
    }
    longLived.registerScreen(QStringLiteral("AboutBox"),
                             [](const ScreenContext&) { return std::make_unique<AboutBox>(); });
}

}  // namespace vantir
