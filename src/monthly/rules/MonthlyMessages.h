#pragma once

#include <QString>

// The progress lines and notices of the monthly aggregation.
namespace vantir::monthlyMessage {

enum class Step { Sales, CumulativeSales, Purchases, CumulativePurchases };

// "※　只今20日締売上データ集計中　※", "※　只今末締売上累計データ集計中　※" for "99".
inline QString progress(const QString& closingDay, Step step) {
    static const char16_t* const kinds[] = {u"売上", u"売上累計", u"仕入", u"仕入累計"};
    const QString day = closingDay == QLatin1String("99") ? QStringLiteral("末締")
                                                          : closingDay + QStringLiteral("日締");
    return QStringLiteral("※　只今") + day + QString::fromUtf16(kinds[int(step)]) +
           QStringLiteral("データ集計中　※");
}

inline const QString ownSales = QStringLiteral("※　只今自社締日売上累計データ集計中　※");
inline const QString ownPurchases = QStringLiteral("※　只今自社締日仕入累計データ集計中　※");
inline const QString archive = QStringLiteral(
    "作業用データベースは切り替えた過去のデータです。集計は作業用データベースの中だけで行い、"
    "本番のデータベースには書き込みませんでした。");

}  // namespace vantir::monthlyMessage
