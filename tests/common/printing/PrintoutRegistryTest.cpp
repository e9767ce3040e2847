#include <gtest/gtest.h>

#include "common/printing/PrintError.h"
#include "common/printing/PrintoutRegistry.h"
#include "support/QtPrinters.h"

namespace vantir::test {
namespace {

Printout dailyList(const QString& name) {
    return {
        name,
        PageSetup::a4(PageOrientation::Landscape, {.top = 6, .bottom = 10, .left = 8, .right = 8}),
        {{PrintOption::Date, /*required=*/true}, {PrintOption::Kind}},
        {QStringLiteral("HYMD"), QStringLiteral("THYMD"), QStringLiteral("DDAY")},
        {},
        {}};
}

TEST(PrintoutRegistryTest, APairIsTheA4PrintoutAndItsContinuousTwinByTheirOwnNames) {
    PrintoutRegistry registry;
    registry.addPair(dailyList(QStringLiteral("QR_Vantir")),
                     {.top = 6, .bottom = 10, .left = 14, .right = 5});
    registry.add(dailyList(QStringLiteral("QR_JyuryoW")));

    EXPECT_EQ(registry.names(), (QStringList{"QR_Vantir", "QR_Vantir2", "QR_JyuryoW"}));
    const Printout& plain = registry.find(QStringLiteral("QR_Vantir"));
    const Printout& twin = registry.find(QStringLiteral("QR_Vantir2"));
    EXPECT_EQ(plain.paper.pageSize(), QSizeF(297, 210));
    EXPECT_EQ(twin.paper.pageSize(), QSizeF(240, 279.4));
    EXPECT_EQ(twin.paper.orientation(), PageOrientation::Portrait);
    EXPECT_EQ(twin.paper.margins(), (PageMargins{.top = 6, .bottom = 10, .left = 14, .right = 5}));
    EXPECT_TRUE(twin.takes(PrintOption::Kind));
    EXPECT_FALSE(twin.takes(PrintOption::Month));
    EXPECT_EQ(twin.kinds, plain.kinds);
}

TEST(PrintoutRegistryTest, ANameTakenTwiceIsRefusedAndAPairIsAddedWholeOrNotAtAll) {
    PrintoutRegistry registry;
    registry.add(dailyList(QStringLiteral("QR_Mitei2")));

    EXPECT_THROW(registry.add(dailyList(QStringLiteral("QR_Mitei2"))), PrintError);
    EXPECT_THROW(registry.addPair(dailyList(QStringLiteral("QR_Mitei")), PageMargins::all(10)),
                 PrintError);
    EXPECT_EQ(registry.names(), QStringList{"QR_Mitei2"});
    EXPECT_THROW(registry.find(QStringLiteral("QR_Mitei")), PrintError);
}

}  // namespace
}  // namespace vantir::test
