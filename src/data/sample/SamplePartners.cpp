#include "data/sample/SamplePartners.h"

#include "data/sample/SampleRandom.h"
#include "data/sample/SampleTableWriter.h"
#include "data/sample/SampleWords.h"
#include "platform/text/HalfWidthKatakana.h"

namespace vantir {

namespace {

const QList<QString> kKinds = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("0")};
const QList<QString> kClosingDays = {QStringLiteral("99"), QStringLiteral("20"),
                                     QStringLiteral("25"), QStringLiteral("15"),
                                     QStringLiteral("10"), QStringLiteral("05")};
const QList<QString> kSites = {QStringLiteral("30"), QStringLiteral("30"), QStringLiteral("45"),
                               QStringLiteral("60")};

QString digits(SampleRandom& random, int count) {
    qint64 top = 1;
    for (int i = 0; i < count; ++i) top *= 10;
    return QStringLiteral("%1").arg(random.between(0, top - 1), count, 10, QLatin1Char('0'));
}

QString kindOf(int index, SampleRandom& random) {
    if (index < kKinds.size() * kClosingDays.size()) return kKinds[index % kKinds.size()];
    const qint64 draw = random.between(1, 100);
    return draw <= 45 ? kKinds[0] : draw <= 80 ? kKinds[1] : kKinds[2];
}

QString closingDayOf(int index, SampleRandom& random) {
    if (index < kKinds.size() * kClosingDays.size()) return kClosingDays[index / kKinds.size()];
    // Most partners close at the month end.
    return random.percent(50) ? kClosingDays[0] : random.pick(kClosingDays);
}

QString siteFlag(SampleRandom& random) {
    const qint64 draw = random.between(1, 100);
    return draw <= 70   ? QStringLiteral("2")
           : draw <= 85 ? QStringLiteral("1")
                        : QStringLiteral("3");
}

// "株式会社丸山運輸", "丸山商事株式会社", "有限会社丸山建材", read "ﾏﾙﾔﾏｳﾝﾕ".
void writeName(SampleTableWriter& writer, SamplePartner& partner, SampleRandom& random) {
    const SampleWords::NamePart& head = random.pick(SampleWords::nameHeads());
    const bool carrierTrade =
        partner.kind == kKinds[1] || (partner.kind == kKinds[2] && random.percent(50));
    const SampleWords::NamePart& trade =
        random.pick(carrierTrade ? SampleWords::carrierTrades() : SampleWords::customerTrades());
    const QString name = head.name + trade.name;
    const qint64 form = random.between(1, 100);
    partner.kname = form <= 45   ? QStringLiteral("株式会社") + name
                    : form <= 85 ? name + QStringLiteral("株式会社")
                                 : QStringLiteral("有限会社") + name;
    writer.set("KNAME", partner.kname);
    writer.set("KANAMEI", toHalfWidthKatakana(head.reading + trade.reading));
}

void writeAddress(SampleTableWriter& writer, SampleRandom& random) {
    const SampleWords::Place& place = random.pick(SampleWords::places());
    writer.set("KZIP", place.zipHead + QLatin1Char('-') + digits(random, 4));
    writer.set("KADD1", place.prefecture + place.city + place.town +
                            QStringLiteral("%1-%2-%3")
                                .arg(random.between(1, 5))
                                .arg(random.between(1, 30))
                                .arg(random.between(1, 20)));
    const qint64 building = random.between(1, 100);
    if (building <= 30) {
        writer.set("KADD2", random.pick(SampleWords::nameHeads()).name + QStringLiteral("ビル") +
                                QString::number(random.between(2, 9)) + QLatin1Char('F'));
    } else if (building <= 40) {
        writer.set("KADD2", QStringLiteral("流通センター内"));
    }
    // Ten digits with the area code: "03-3521-1234", "045-521-1234", "0565-21-1234".
    const QString middle = digits(random, 6 - int(place.areaCode.size()));
    const qint64 line = random.between(0, 9998);
    const auto number = [&](qint64 last) -> QString {
        return place.areaCode + QLatin1Char('-') + middle + QLatin1Char('-') +
               QStringLiteral("%1").arg(last, 4, 10, QLatin1Char('0'));
    };
    writer.set("KTEL", number(line));
    writer.set("KFAX", number(line + 1));
}

void writeBank(SampleTableWriter& writer, SampleRandom& random) {
    if (random.percent(10)) return;
    writer.set("BANK", random.pick(SampleWords::banks()));
    writer.set("SITEN", random.pick(SampleWords::places()).town + QStringLiteral("支店"));
    writer.set("YKBUN", random.percent(80) ? QStringLiteral("1") : QStringLiteral("2"));
    writer.set("KOZA", digits(random, 7));
}

}  // namespace

QList<SamplePartner> SamplePartners::write(Connection& connection, SampleRandom& random,
                                           int count) {
    SampleTableWriter writer(connection, QStringLiteral("HIMAS3"));
    const char* const runningTotals[] = {"UKING",  "SKING",   "UHIYO",  "SHIYO",
                                         "INKING", "INSKING", "NUKING", "HSKING",
                                         "URISUB", "SIRSUB",  "URI_FLG"};
    QList<SamplePartner> partners;
    partners.reserve(count);
    for (int index = 0; index < count; ++index) {
        SamplePartner partner;
        partner.kcode = QStringLiteral("%1").arg(index + 1, 6, 10, QLatin1Char('0'));
        partner.ycode = partner.kcode;
        partner.kind = kindOf(index, random);
        partner.sime = closingDayOf(index, random);
        writer.set("KY_KBN", partner.kind);
        writer.set("KCODE", partner.kcode);
        writer.set("YCODE", partner.ycode);
        writeName(writer, partner, random);
        const SampleWords::CodeName& branch = random.pick(SampleWords::branches());
        writer.set("TENCOD", branch.code);
        writer.set("TENMEI", branch.name);
        writeAddress(writer, random);
        writer.set("SIME", partner.sime);
        writer.set("SAIT", random.pick(kSites));
        writer.set("SIMEFLG", siteFlag(random));
        writeBank(writer, random);
        // Balances brought forward from the previous year, whole thousands of yen.
        if (partner.isCustomer() && random.percent(60))
            partner.urizan = random.steps(50'000, 3'000'000, 1000);
        if (partner.isCarrier() && random.percent(60))
            partner.sirzan = random.steps(30'000, 2'000'000, 1000);
        writer.set("URIZAN", partner.urizan);
        writer.set("SIRZAN", partner.sirzan);
        // Nothing aggregated yet.
        for (const char* total : runningTotals) writer.set(total, qint64(0));
        writer.write();
        partners.append(partner);
    }
    return partners;
}

}  // namespace vantir
