#include <QPointer>
#include <QSignalSpy>

#include "SampleScreenTest.h"
#include "platform/db/DbError.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/FieldHooks.h"
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

// What became of a screen's rules and widgets, in order.
struct Journal {
    QStringList events;
    QPointer<QWidget> field;
};

// Rules with a view of their own, opened and closed by them.
class JournalRules {
  public:
    JournalRules(Dataset& view, Journal& journal, bool failOpening)
        : view_(view), journal_(journal), failOpening_(failOpening) {}
    ~JournalRules() { journal_.events << (journal_.field ? "rules before widgets" : "rules"); }

    void open() {
        view_.open();
        journal_.events << "open";
        if (failOpening_) throw DbError(QStringLiteral("開けません"));
    }
    void close() {
        view_.close();
        journal_.events << "close";
    }
    Leave nameLeft() {
        journal_.events << "leave";
        return Leave::Go;
    }

  private:
    Dataset& view_;
    Journal& journal_;
    bool failOpening_;
};

class JournalScreen : public Screen {
  public:
    JournalScreen(SampleData& data, Messages& messages, Journal& journal, bool failOpening)
        : Screen(messages), rules_(makeRules<JournalRules>(data.sample, journal, failOpening)) {
        openDataset(data.staff);
        auto* name = new BoundLineEdit(data.sample, QStringLiteral("NAME"), messages, this);
        name->setObjectName(QStringLiteral("EditNAME"));
        name->hooks().setLeaveHook([this] { return rules_.nameLeft(); });
        journal.field = name;
        setFirstField(name);
    }

  private:
    JournalRules& rules_;
};

// Closed or released (destroyed by the next command without being closed), the screen
// closes its rules' views and its own, once; its widgets go before its rules, and the
// cursor leaving a field that goes runs no leave logic. A screen that cannot open its
// views closes what it opened.
TEST(ScreenLifetimeTest, ViewsCloseWithTheScreenAndWidgetsGoBeforeRules) {
    enum class End { Closed, Released, OpeningFails };
    const struct {
        const char* name;
        End end;
        const char* events;
    } cases[] = {
        {"closed", End::Closed, "open close rules"},
        {"released", End::Released, "open close rules"},
        {"opening fails", End::OpeningFails, "open close rules"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SampleData data;
        ScriptedMessages messages;
        Journal journal;
        std::unique_ptr<JournalScreen> screen;
        try {
            screen = std::make_unique<JournalScreen>(data, messages, journal,
                                                     c.end == End::OpeningFails);
        } catch (const DbError&) {
            EXPECT_EQ(c.end, End::OpeningFails);
        }
        if (screen) {
            ASSERT_TRUE(showActive(*screen));
            EXPECT_EQ(focusName(), "EditNAME");
            EXPECT_TRUE(data.staff.isOpen());
            if (c.end == End::Closed) {
                screen->close();
                EXPECT_FALSE(data.sample.isOpen());
                EXPECT_FALSE(data.staff.isOpen());
            }
            screen.reset();
        }
        EXPECT_EQ(journal.events.join(' ').toStdString(), c.events);
        EXPECT_FALSE(data.sample.isOpen());
        EXPECT_FALSE(data.staff.isOpen());
        EXPECT_TRUE(messages.shown.isEmpty());
    }
}

}  // namespace
}  // namespace vantir::test
