#include <QPointer>
#include <QSignalSpy>

#include "SampleScreenTest.h"
#include "platform/ui/OpenedDatasets.h"

namespace vantir::test {
namespace {

using ScreenTest = SampleScreenTest;

TEST_F(ScreenTest, ClosingHidesTheScreenAndClosesTheViewsItOpened) {
    focus("EditNAME");
    type("捨");  // closing by the frame drops a pending change unasked
    QSignalSpy closed(screen.get(), &Screen::closed);
    QPointer<SampleScreen> alive = screen.get();
    EXPECT_TRUE(screen->close());
    QCoreApplication::processEvents();
    ASSERT_FALSE(alive.isNull());  // the menu releases it later
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(data.sample.isOpen());
    EXPECT_FALSE(data.kinds.isOpen());
    EXPECT_FALSE(data.staff.isOpen());
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(data.count("SELECT COUNT(*) FROM SAMPLE WHERE NAME LIKE '%捨%'"), 0);
}

TEST(OpenedDatasetsTest, ClosesWhatItOpenedOnceAndOnlyThat) {
    SampleData data;
    data.staff.open();
    {
        OpenedDatasets opened;
        opened.open(data.sample);
        opened.open(data.sample);
        EXPECT_TRUE(opened.contains(data.sample));
        EXPECT_FALSE(opened.contains(data.staff));
        EXPECT_TRUE(data.sample.isOpen());
    }
    EXPECT_FALSE(data.sample.isOpen());
    EXPECT_TRUE(data.staff.isOpen());
}

}  // namespace
}  // namespace vantir::test
