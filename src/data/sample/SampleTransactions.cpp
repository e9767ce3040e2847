#include "data/sample/SampleTransactions.h"

#include <algorithm>
#include <utility>

#include "data/sample/SampleRandom.h"
#include "data/sample/SampleTableWriter.h"
#include "data/sample/SampleWords.h"
#include "platform/dates/DateText.h"

namespace vantir {

namespace {

// The rate of the fresh database's SHOZEI row, which the invoices of the sample add.
constexpr qint64 kTaxRate = 10;
// Unloading dates fall up to two days after the dispatch date, so past today too.
constexpr int kDaysAfter = 2;
// Receipt and payment numbers have six digits like slip numbers; a company that large
// stops there.
constexpr int kMaxNumber = 999'999;

qint64 withTax(qint64 amount) { return amount + amount * kTaxRate / 100; }

// The freight charge of one job, by the truck's size.
qint64 freight(SampleRandom& random, const QString& ton) {
    const int tons = ton.toInt();
    if (tons <= 2) return random.steps(12'000, 35'000, 100);
    if (tons <= 4) return random.steps(18'000, 60'000, 100);
    if (tons <= 13) return random.steps(35'000, 140'000, 100);
    return random.steps(60'000, 200'000, 100);
}

// Large customers and carriers get more of the jobs: the lower of two draws.
qsizetype skewed(SampleRandom& random, qsizetype count) {
    return qsizetype(std::min(random.between(0, count - 1), random.between(0, count - 1)));
}

// The column positions of the slip layout, found once for a million rows.
struct SlipColumns {
    explicit SlipColumns(const SampleTableWriter& w)
        : HYMD(w.column("HYMD")),
          THYMD(w.column("THYMD")),
          CODE(w.column("CODE")),
          SEKBN(w.column("SEKBN")),
          DDAY(w.column("DDAY")),
          KCODE(w.column("KCODE")),
          KNAME(w.column("KNAME")),
          HATTI(w.column("HATTI")),
          THTTI(w.column("THTTI")),
          TON(w.column("TON")),
          UKING(w.column("UKING")),
          YCODE(w.column("YCODE")),
          YNAME(w.column("YNAME")),
          SHBAN(w.column("SHBAN")),
          YKING(w.column("YKING")),
          SKING(w.column("SKING")),
          BIKO(w.column("BIKO")),
          UHIYO(w.column("UHIYO")),
          SHIYO(w.column("SHIYO")),
          TANCOD(w.column("TANCOD")),
          TANMEI(w.column("TANMEI")),
          INKING(w.column("INKING")),
          INSKING(w.column("INSKING")),
          SUBM(w.column("SUBM")),
          CHKDAY(w.column("CHKDAY")) {}
    int HYMD, THYMD, CODE, SEKBN, DDAY, KCODE, KNAME, HATTI, THTTI, TON, UKING, YCODE, YNAME, SHBAN,
        YKING, SKING, BIKO, UHIYO, SHIYO, TANCOD, TANMEI, INKING, INSKING, SUBM, CHKDAY;
};

}  // namespace

SampleTransactions::SampleTransactions(Connection& connection, SampleRandom& random,
                                       const QList<SamplePartner>& partners, int months,
                                       const QDate& today)
    : connection_(connection),
      random_(random),
      first_(QDate(today.year(), today.month(), 1).addMonths(1 - months)),
      monthCount_(months),
      today_(int(first_.daysTo(today))) {
    for (const SamplePartner& partner : partners) {
        if (partner.isCustomer()) customers_.append(partner);
        if (partner.isCarrier()) carriers_.append(partner);
    }
    for (int day = 0; day <= today_ + kDaysAfter; ++day) {
        const QDate date = first_.addDays(day);
        dayTexts_.append(formatYyMmDd(date));
        months_.append((date.year() - first_.year()) * 12 + date.month() - first_.month());
        if (day <= today_ && date.dayOfWeek() != Qt::Sunday) workingDays_.append(day);
    }
    // A period of one Sunday alone still has a day to put slips on.
    if (workingDays_.isEmpty()) workingDays_.append(today_);
    invoiced_.fill(0, monthCount_ * customers_.size());
    owed_.fill(0, monthCount_ * carriers_.size());
}

void SampleTransactions::writeSlips(int count) {
    SampleTableWriter writer(connection_, QStringLiteral("HITRAN1"));
    const SlipColumns c(writer);
    const QString normal = QStringLiteral("0");
    const QString byUnloading = QStringLiteral("1");
    for (int index = 0; index < count; ++index) {
        const int day = workingDays_[qsizetype(qint64(index) * workingDays_.size() / count)];
        const qint64 unloadingDraw = random_.between(1, 100);
        const int unloading = day + (unloadingDraw <= 60 ? 0 : unloadingDraw <= 95 ? 1 : 2);
        const bool billedByUnloading = random_.percent(20);
        const qsizetype customer = skewed(random_, customers_.size());
        const qsizetype carrier = skewed(random_, carriers_.size());
        const QString& ton = random_.pick(SampleWords::tonnages());
        const qint64 uking = freight(random_, ton);
        const qint64 yking = uking * random_.between(75, 92) / 100 / 100 * 100;
        const qint64 uhiyo = random_.percent(10) ? random_.steps(500, 5'000, 10) : 0;
        const qint64 shiyo = random_.percent(15) ? random_.steps(500, 8'000, 10) : 0;
        const qint64 inking = random_.percent(3) ? random_.steps(5'000, 50'000, 1000) : 0;
        const SampleWords::CodeName& staff = random_.pick(SampleWords::staff());

        writer.set(c.HYMD, dayText(day));
        writer.set(c.THYMD, dayText(unloading));
        writer.set(c.CODE, QString::number(index + 1));
        writer.set(c.SEKBN, billedByUnloading ? byUnloading : normal);
        writer.set(c.DDAY, dayText(billedByUnloading ? unloading : day));
        writer.set(c.KCODE, customers_[customer].kcode);
        writer.set(c.KNAME, customers_[customer].kname);
        writer.set(c.HATTI, random_.pick(SampleWords::routes()));
        writer.set(c.THTTI, random_.pick(SampleWords::routes()));
        writer.set(c.TON, ton);
        writer.set(c.UKING, uking);
        writer.set(c.YCODE, carriers_[carrier].ycode);
        writer.set(c.YNAME, carriers_[carrier].kname);
        writer.set(c.SHBAN, QString::number(random_.between(1, 9999)));
        writer.set(c.YKING, yking);
        writer.set(c.SKING, yking + shiyo);
        writer.set(c.BIKO, random_.pick(SampleWords::cargoes()));
        writer.set(c.UHIYO, uhiyo);
        writer.set(c.SHIYO, shiyo);
        writer.set(c.TANCOD, staff.code);
        writer.set(c.TANMEI, staff.name);
        writer.set(c.INKING, inking);
        writer.set(c.INSKING, inking);
        if (random_.percent(10)) writer.set(c.SUBM, random_.pick(SampleWords::memos()));
        // The signed receipt comes back within a week; recent slips still wait for it.
        if (day + 7 <= today_ && random_.percent(90)) {
            writer.set(c.CHKDAY, dayText(std::min(unloading + int(random_.between(2, 6)), today_)));
        }
        writer.write();

        const int billedMonth = monthOf(billedByUnloading ? unloading : day);
        if (billedMonth < monthCount_) {
            invoiced(billedMonth, customer) += withTax(uking) + uhiyo;
            owed(billedMonth, carrier) += withTax(yking + shiyo);
        }
    }
}

int SampleTransactions::paymentDay(const QDate& first, const QString& sime) const {
    const int day = sime.toInt();
    return day >= 1 && day <= 28 ? day : first.daysInMonth();
}

void SampleTransactions::writeReceipts() {
    SampleTableWriter writer(connection_, QStringLiteral("HITRAN2"));
    int number = 0;
    for (int month = 0; month < monthCount_; ++month) {
        const QDate monthStart = first_.addMonths(month);
        QList<std::pair<int, qsizetype>> due;  // day, customer
        for (qsizetype customer = 0; customer < customers_.size(); ++customer) {
            const int day = int(first_.daysTo(monthStart)) +
                            paymentDay(monthStart, customers_[customer].sime) - 1;
            if (day <= today_) due.append({day, customer});
        }
        std::sort(due.begin(), due.end());
        for (const auto& [day, customer] : due) {
            qint64 amount =
                month == 0 ? customers_[customer].urizan : invoiced(month - 1, customer);
            // Now and then a customer pays only part of it.
            if (random_.percent(10)) amount = amount * random_.between(50, 90) / 100 / 1000 * 1000;
            if (amount <= 0) continue;
            if (number == kMaxNumber) return;
            // The bank's transfer fee is taken off what arrives.
            static const QList<qint64> kFees = {0, 440, 660, 880};
            const qint64 fee = std::min(amount, random_.pick(kFees));
            const qint64 bikoDraw = random_.between(1, 100);
            const SampleWords::CodeName& staff = random_.pick(SampleWords::staff());
            writer.set("HYMD", dayText(day));
            writer.set("THYMD", dayText(day));
            writer.set("CODE", QString::number(++number));
            writer.set("SEKBN", QStringLiteral("0"));
            writer.set("DDAY", dayText(day));
            writer.set("KCODE", customers_[customer].kcode);
            writer.set("KNAME", customers_[customer].kname);
            writer.set("UKING", amount - fee);
            writer.set("UHIYO", fee);
            writer.set("TANCOD", staff.code);
            writer.set("TANMEI", staff.name);
            writer.set("BIKO", bikoDraw <= 85   ? QStringLiteral("振込")
                               : bikoDraw <= 95 ? QStringLiteral("手形")
                                                : QStringLiteral("現金"));
            writer.write();
        }
    }
}

void SampleTransactions::writePayments() {
    SampleTableWriter writer(connection_, QStringLiteral("HITRAN3"));
    int number = 0;
    for (int month = 0; month < monthCount_; ++month) {
        const QDate monthStart = first_.addMonths(month);
        // The control record's payment day "99": the month end of the month after.
        const int day = int(first_.daysTo(monthStart)) + monthStart.daysInMonth() - 1;
        if (day > today_) continue;
        for (qsizetype carrier = 0; carrier < carriers_.size(); ++carrier) {
            const qint64 amount = month == 0 ? carriers_[carrier].sirzan : owed(month - 1, carrier);
            if (amount <= 0) continue;
            if (number == kMaxNumber) return;
            const SampleWords::CodeName& staff = random_.pick(SampleWords::staff());
            writer.set("HYMD", dayText(day));
            writer.set("THYMD", dayText(day));
            writer.set("CODE", QString::number(++number));
            writer.set("SEKBN", QStringLiteral("0"));
            writer.set("DDAY", dayText(day));
            writer.set("YCODE", carriers_[carrier].ycode);
            writer.set("YNAME", carriers_[carrier].kname);
            writer.set("SKING", amount);
            writer.set("TANCOD", staff.code);
            writer.set("TANMEI", staff.name);
            writer.set("BIKO", QStringLiteral("振込"));
            writer.write();
        }
    }
}

}  // namespace vantir
