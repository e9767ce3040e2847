#include <QLineEdit>
#include <functional>

#include "maintenance/screens/CompanyScreen.h"
#include "maintenance/screens/ControlScreen.h"
#include "platform/dataset/TableDataset.h"
#include "platform/ui/RecordBar.h"
#include "support/ShownScreenTest.h"

namespace vantir::test {
namespace {

// Every settings screen, with its fields in Tab order and in Enter order.
struct SettingsCase {
    const char* name;
    std::function<std::unique_ptr<QWidget>(DataModule1&, Messages&)> open;
    QStringList tabOrder;
    QStringList enterOrder;
};

// Names the screen in the test's output.
void PrintTo(const SettingsCase& screen, std::ostream* out) { *out << screen.name; }

const QStringList kCompanyFields{"EditCODE",  "EditCNAME",   "EditCZIP",    "EditCADD1",
                                 "EditCADD2", "EditCTEL",    "EditCFAX",    "EditCBANK",
                                 "EditCETC",  "EditRPT_FLG", "EditRPT_FLG2"};
const QStringList kControlFields{"EditCODE",  "EditVSIM", "EditVSIT", "EditVYOT",
                                 "EditVKETU", "EditVTCD", "EditVPRN", "EditVHEN"};

class SettingsScreensTest : public ShownScreenTest,
                            public ::testing::WithParamInterface<SettingsCase> {
  protected:
    void SetUp() override { show(GetParam().open(dm1, messages)); }
    QStringList walk(Qt::Key key, int presses) {
        QStringList walked{focusName()};
        for (int i = 0; i < presses; ++i) {
            press(key);
            walked << focusName();
        }
        return walked;
    }
};

// The screen opens with the cursor on its first field; Tab follows the fields in order.
TEST_P(SettingsScreensTest, OpensOnTheFirstFieldAndTabFollowsTheFields) {
    const QStringList& order = GetParam().tabOrder;
    EXPECT_EQ(walk(Qt::Key_Tab, int(order.size()) - 1), order);
}

// Enter walks the fields and stops at the last: it never reaches "閉じる" and never
// closes the screen.
TEST_P(SettingsScreensTest, EnterNeverReachesTheCloseButton) {
    const QStringList& order = GetParam().enterOrder;
    QStringList expected = order;
    expected << order.last() << order.last();
    EXPECT_EQ(walk(Qt::Key_Return, int(expected.size()) - 1), expected);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    EverySettingsScreen, SettingsScreensTest,
    ::testing::Values(SettingsCase{"Company",
                                   [](DataModule1& dm1, Messages& messages) {
                                       return std::make_unique<CompanyScreen>(dm1, messages);
                                   },
                                   kCompanyFields, kCompanyFields},
                      SettingsCase{
                          "Control",
                          [](DataModule1& dm1, Messages& messages) {
                              return std::make_unique<ControlScreen>(dm1, messages);
                          },
                          // The office drop-down is a Tab stop beside its code, not an Enter one.
                          {"EditCODE", "EditVSIM", "EditVSIT", "EditVYOT", "EditVKETU", "EditVTCD",
                           "ComboVTCD", "EditVPRN", "EditVHEN"},
                          kControlFields}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantir::test
