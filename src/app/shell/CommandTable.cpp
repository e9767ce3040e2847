#include "app/shell/CommandTable.h"

namespace vantir {

const QString CommandTable::kDbChangeButton = QStringLiteral("btnDB_Change");

namespace {

struct Row {
    int group;
    int button;  // 1..9 for btnMS1..btnMS9
    const char* caption;
    const char* command;
    const char* mode;
    const char* report;
    // A hidden button keeps its command; only a click on a shown button reaches it.
    bool visible = true;
};

// Screens opened under a mode name; the report name goes to the selection screens that
// serve several reports.
constexpr Row kScreens[] = {
    {1, 1, "配車票入力", "Act_NippoInp", "NippoInp", ""},
    {1, 2, "配車票訂正", "Act_NippoEdit", "NippoEdit", ""},
    {1, 3, "配車票問合せ", "Act_NippoRep", "RepNippo", ""},
    {1, 4, "配車票印刷", "Act_QR_Vantir", "SelDate", "QR_Vantir"},
    {1, 5, "日別受領書印刷", "Act_QR_Jyuryo", "SelDate2", "QR_Jyuryo"},
    {1, 6, "確定一覧表", "Act_QR_Kakutei", "SelDate3", "QR_Kakutei"},
    {1, 7, "未確定一覧表", "Act_QR_Mitei", "SelDate4", "QR_Mitei"},
    {1, 9, "受領書白紙", "Act_QR_JyuryoW", "QR_JyuryoW", ""},
    {2, 1, "入金編集", "Act_Nyukin", "Nyukin", ""},
    {2, 2, "入金一覧", "Act_NyukinR", "RepNyukin", ""},
    {2, 3, "入金一覧印刷", "Act_QR_Nyukin", "SelSime", ""},
    {2, 5, "支払編集", "Act_HaraiInp", "HaraiInp", ""},
    {2, 6, "支払一覧", "Act_HaraiR", "RepHarai", ""},
    {2, 7, "支払一覧印刷", "Act_QR_Harai", "SelSime2", ""},
    {3, 1, "請求書作成", "Act_SelSeikyu", "SelSeikyu", ""},
    {3, 2, "売上管理台帳", "Act_QR_UriBKS", "QR_UriBKS", ""},
    {3, 3, "仕入管理台帳", "Act_QR_SirBKS", "QR_SirBKS", ""},
    {3, 4, "売掛金一覧表", "Act_QR_KakeUri", "QR_KakeUri", ""},
    {3, 5, "買掛金一覧表", "Act_QR_KakeSir", "QR_KakeSir", ""},
    {3, 6, "売掛金確認書", "Act_QR_ChkUri", "QR_ChkUri", ""},
    {3, 7, "買掛金確認書", "Act_QR_ChkSir", "QR_ChkSir", ""},
    {4, 1, "月次集計処理", "Act_MonSet", "SetMon", ""},
    {4, 3, "社内取引集計印刷(売)", "Act_QR_INU_SM", "QR_IN_SM", ""},
    {4, 4, "社内取引集計印刷(仕)", "Act_QR_INS_SM", "QR_INS_SM", ""},
    {4, 6, "得意先合算マスター編集", "Act_Gassan", "GassanE", ""},
    {4, 7, "仕入先合算マスター編集", "Act_GassanS", "GassanS", ""},
    {5, 1, "得意先別収支明細印刷", "Act_QR_TK_SM", "QR_TK_SM", ""},
    {5, 2, "傭車先別収支明細印刷", "Act_QR_YS_SM", "QR_YS_SM", ""},
    {5, 4, "売上帳印刷 (月次用)", "Act_QR_UriBKM", "QR_UriBKM", ""},
    {5, 5, "仕入帳印刷 (月次用)", "Act_QR_SirBKM", "QR_SirBKM", ""},
    {5, 6, "得意先別利益率表", "Act_QR_Rieki", "QR_Rieki", ""},
    {5, 7, "担当者別利益率表", "Act_QR_Eki_Tan", "QR_Eki_Tan", ""},
    {5, 8, "年間売上表印刷", "Act_QR_Uri_Nen", "QR_Uri_Nen", ""},
    {5, 9, "年間傭車料表印刷", "Act_QR_Sir_Nen", "QR_Sir_Nen", ""},
    {6, 1, "売上帳編集", "Act_ED_Uri_M", "ED_Uri_M", ""},
    {6, 2, "仕入帳編集", "Act_ED_Sir_M", "ED_Sir_M", ""},
    {6, 3, "入金台帳編集", "Act_ED_Nyu_M", "ED_Nyu_M", ""},
    {6, 4, "支払台帳編集", "Act_ED_Hari_M", "ED_Hari_M", ""},
    {6, 6, "売上帳印刷", "Act_QR_UriBK", "QR_UriBK", ""},
    {6, 7, "仕入帳印刷", "Act_QR_SirBK", "QR_SirBK", ""},
    {7, 1, "入金予定表印刷", "Act_QR_Nyu_Yo", "QR_Nyu_Yo", "QR_Nyu_Yo"},
    {7, 2, "支払予定表印刷", "Act_QR_Hari_Yo", "QR_Hari_Yo", "QR_Hari_Yo"},
    {7, 3, "支払先リスト印刷", "Act_QR_Hari_Lst", "QR_Hari_Lst", "QR_Hari_Lst"},
    {7, 4, "売掛・買掛一覧表", "Act_QR_Kake_Rep", "QR_Kake_Rep", "QR_Kake_Rep"},
    // Wired to a button that group 7 hides, so no menu choice reaches it.
    {7, 5, "", "Act_QR_Furi_Den", "QR_Furi_Den", "QR_Furi_Den", /*visible=*/false},
    {8, 1, "取引先マスタ", "Act_Tokui_mas", "Tokui_mas", ""},
    {8, 2, "担当者マスタ", "Act_Tan_mas", "Tan_mas", ""},
    {8, 3, "担当店マスタ", "Act_Ten_mas", "Ten_mas", ""},
    {8, 4, "取引先住所録印刷", "Act_QR_Address", "QR_Address", "QR_Address"},
    {8, 5, "取引先宛名印刷", "Act_QR_Add_LBL", "QR_Add_LBL", "QR_Add_LBL"},
    {9, 1, "コントロール", "Act_Control", "S_Control", ""},
    {9, 5, "会社情報設定", "Act_Cop_Dat", "Cop_Dat", ""},
    {9, 6, "営業所情報設定", "Act_TenSet", "TenSet", ""},
    {9, 8, "年度更新処理", "Act_NenDel", "NenDel", ""},
    {9, 9, "初期化処理", "Act_Delete", "Delete", ""},
};

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

CommandTable::CommandTable() {
    for (const Row& row : kScreens) {
        MenuCommand command;
        command.group = row.group;
        command.button = commandButton(row.button);
        command.caption = text(row.caption);
        command.commandName = text(row.command);
        command.modeName = text(row.mode);
        command.reportName = text(row.report);
        command.kind = CommandKind::OpenScreen;
        command.visible = row.visible;
        commands_.append(command);
    }

    // Screens made at start and only shown: they keep EditPName and the open screens.
    MenuCommand compaction;
    compaction.group = 9;
    compaction.button = commandButton(3);
    compaction.caption = QStringLiteral("ＤＢの最適化");
    compaction.kind = CommandKind::ShowLongLivedScreen;
    compaction.longLivedScreen = QStringLiteral("Compaction");
    commands_.append(compaction);

    MenuCommand dataSwitch;
    dataSwitch.group = 9;
    dataSwitch.button = kDbChangeButton;
    dataSwitch.caption = QStringLiteral("DB変更");
    dataSwitch.kind = CommandKind::ShowLongLivedScreen;
    dataSwitch.longLivedScreen = QStringLiteral("DataSwitch");
    commands_.append(dataSwitch);

    MenuCommand update;  // offered, and does nothing
    update.group = 9;
    update.button = commandButton(4);
    update.caption = QStringLiteral("更新処理");
    commands_.append(update);

    MenuCommand star;  // group 2 captions its hidden fourth button
    star.group = 2;
    star.button = commandButton(4);
    star.caption = QStringLiteral("*");
    star.visible = false;
    commands_.append(star);
}

QString CommandTable::groupCaption(int group) {
    static const QStringList captions = {
        QStringLiteral("日次処理"),     QStringLiteral("入出金処理"),
        QStringLiteral("請求処理"),     QStringLiteral("月次処理"),
        QStringLiteral("月次印刷処理"), QStringLiteral("元帳処理"),
        QStringLiteral("売掛買掛処理"), QStringLiteral("マスタ処理"),
        QStringLiteral("メンテナンス"),
    };
    return captions.value(group - 1);
}

QString CommandTable::commandButton(int index) { return QStringLiteral("btnMS%1").arg(index); }

const MenuCommand* CommandTable::find(int group, const QString& button) const {
    for (const MenuCommand& command : commands_) {
        if (command.group == group && command.button == button) return &command;
    }
    return nullptr;
}

const MenuCommand* CommandTable::findByMode(const QString& modeName) const {
    for (const MenuCommand& command : commands_) {
        if (command.kind == CommandKind::OpenScreen && command.modeName == modeName)
            return &command;
    }
    return nullptr;
}

bool CommandTable::setScreenFactory(const QString& modeName, ScreenFactory factory) {
    for (MenuCommand& command : commands_) {
        if (command.kind == CommandKind::OpenScreen && command.modeName == modeName) {
            command.factory = std::move(factory);
            return true;
        }
    }
    return false;
}

}  // namespace vantir
