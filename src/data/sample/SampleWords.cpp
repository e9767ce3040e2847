#include "data/sample/SampleWords.h"

namespace vantir {

namespace {

QList<QString> words(std::initializer_list<const char*> texts) {
    QList<QString> list;
    for (const char* text : texts) list.append(QString::fromUtf8(text));
    return list;
}

QList<SampleWords::NamePart> parts(
    std::initializer_list<std::pair<const char*, const char*>> pairs) {
    QList<SampleWords::NamePart> list;
    for (const auto& [name, reading] : pairs)
        list.append({QString::fromUtf8(name), QString::fromUtf8(reading)});
    return list;
}

QList<SampleWords::CodeName> codeNames(
    std::initializer_list<std::pair<const char*, const char*>> pairs) {
    QList<SampleWords::CodeName> list;
    for (const auto& [code, name] : pairs)
        list.append({QString::fromLatin1(code), QString::fromUtf8(name)});
    return list;
}

}  // namespace

const QList<SampleWords::NamePart>& SampleWords::nameHeads() {
    static const QList<NamePart> list = parts({
        {"丸山", "マルヤマ"},   {"東和", "トウワ"},       {"大和", "ヤマト"},
        {"三協", "サンキョウ"}, {"北陸", "ホクリク"},     {"中央", "チュウオウ"},
        {"富士", "フジ"},       {"関東", "カントウ"},     {"日新", "ニッシン"},
        {"協和", "キョウワ"},   {"第一", "ダイイチ"},     {"昭和", "ショウワ"},
        {"平和", "ヘイワ"},     {"明星", "ミョウジョウ"}, {"三和", "サンワ"},
        {"旭", "アサヒ"},       {"丸一", "マルイチ"},     {"山本", "ヤマモト"},
        {"高橋", "タカハシ"},   {"青葉", "アオバ"},       {"若葉", "ワカバ"},
        {"港南", "コウナン"},   {"湘南", "ショウナン"},   {"相模", "サガミ"},
        {"武蔵野", "ムサシノ"}, {"千代田", "チヨダ"},     {"太平洋", "タイヘイヨウ"},
        {"丸和", "マルワ"},     {"朝日", "アサヒ"},       {"栄光", "エイコウ"},
        {"北斗", "ホクト"},     {"信濃", "シナノ"},
    });
    return list;
}

const QList<SampleWords::NamePart>& SampleWords::customerTrades() {
    static const QList<NamePart> list = parts({
        {"商事", "ショウジ"},
        {"工業", "コウギョウ"},
        {"建材", "ケンザイ"},
        {"鋼材", "コウザイ"},
        {"食品", "ショクヒン"},
        {"化学", "カガク"},
        {"製作所", "セイサクショ"},
        {"産業", "サンギョウ"},
        {"製紙", "セイシ"},
        {"倉庫", "ソウコ"},
        {"電機", "デンキ"},
    });
    return list;
}

const QList<SampleWords::NamePart>& SampleWords::carrierTrades() {
    static const QList<NamePart> list = parts({
        {"運輸", "ウンユ"},
        {"運送", "ウンソウ"},
        {"物流", "ブツリュウ"},
        {"急送", "キュウソウ"},
        {"陸運", "リクウン"},
        {"通運", "ツウウン"},
        {"輸送", "ユソウ"},
    });
    return list;
}

const QList<SampleWords::Place>& SampleWords::places() {
    static const QList<Place> list = [] {
        const char* const rows[][5] = {
            {"東京都", "江東区", "新木場", "136", "03"},
            {"東京都", "大田区", "平和島", "143", "03"},
            {"東京都", "足立区", "入谷", "121", "03"},
            {"神奈川県", "横浜市鶴見区", "大黒町", "230", "045"},
            {"神奈川県", "川崎市川崎区", "浮島町", "210", "044"},
            {"埼玉県", "戸田市", "美女木", "335", "048"},
            {"千葉県", "市川市", "塩浜", "272", "047"},
            {"千葉県", "船橋市", "浜町", "273", "047"},
            {"大阪府", "大阪市住之江区", "南港北", "559", "06"},
            {"大阪府", "堺市堺区", "築港八幡町", "590", "072"},
            {"愛知県", "名古屋市港区", "潮見町", "455", "052"},
            {"愛知県", "豊田市", "元町", "471", "0565"},
            {"静岡県", "静岡市清水区", "袖師町", "424", "054"},
            {"兵庫県", "神戸市東灘区", "向洋町", "658", "078"},
            {"福岡県", "福岡市東区", "箱崎ふ頭", "812", "092"},
            {"宮城県", "仙台市宮城野区", "港", "983", "022"},
        };
        QList<Place> places;
        for (const auto& row : rows) {
            places.append({QString::fromUtf8(row[0]), QString::fromUtf8(row[1]),
                           QString::fromUtf8(row[2]), QString::fromLatin1(row[3]),
                           QString::fromLatin1(row[4])});
        }
        return places;
    }();
    return list;
}

const QList<QString>& SampleWords::banks() {
    static const QList<QString> list =
        words({"みずほ銀行", "三菱ＵＦＪ銀行", "三井住友銀行", "りそな銀行", "横浜銀行", "静岡銀行",
               "千葉銀行", "城南信用金庫", "商工中金"});
    return list;
}

const QList<SampleWords::CodeName>& SampleWords::branches() {
    static const QList<CodeName> list = codeNames({{"01", "本社"},
                                                   {"02", "東京営業所"},
                                                   {"03", "横浜営業所"},
                                                   {"04", "大阪営業所"},
                                                   {"05", "名古屋営業所"}});
    return list;
}

const QList<SampleWords::CodeName>& SampleWords::staff() {
    static const QList<CodeName> list = codeNames({{"01", "山田　太郎"},
                                                   {"02", "佐藤　花子"},
                                                   {"03", "鈴木　一郎"},
                                                   {"04", "高橋　美咲"},
                                                   {"05", "田中　健二"},
                                                   {"06", "伊藤　由美"}});
    return list;
}

const QList<QString>& SampleWords::routes() {
    static const QList<QString> list =
        words({"東京都江東区",   "東京都大田区", "神奈川県横浜市", "神奈川県川崎市", "埼玉県戸田市",
               "千葉県市川市",   "群馬県太田市", "栃木県宇都宮市", "茨城県つくば市", "新潟県新潟市",
               "長野県松本市",   "静岡県静岡市", "愛知県名古屋市", "愛知県豊田市",   "岐阜県大垣市",
               "三重県四日市市", "京都府京都市", "大阪府堺市",     "兵庫県神戸市",   "広島県広島市",
               "福岡県福岡市",   "宮城県仙台市"});
    return list;
}

const QList<QString>& SampleWords::tonnages() {
    static const QList<QString> list = words({"2", "4", "4", "10", "10", "10", "13", "20", "25"});
    return list;
}

const QList<QString>& SampleWords::cargoes() {
    static const QList<QString> list =
        words({"鋼材", "建材", "雑貨", "食品", "機械部品", "紙製品", "飲料", "化学品", "家電製品",
               "引越荷物", "木材", "パレット", "冷凍食品", "自動車部品"});
    return list;
}

const QList<QString>& SampleWords::memos() {
    static const QList<QString> list =
        words({"至急", "時間指定", "午前必着", "荷受人不在時連絡", "パレット回収", "待機あり"});
    return list;
}

}  // namespace vantir
