#include <gtest/gtest.h>

#include <QVBoxLayout>
#include <memory>

#include "SampleData.h"
#include "data/AppState.h"
#include "data/HandBacks.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/RecordForm.h"
#include "platform/ui/Screen.h"
#include "support/ScreenInput.h"
#include "support/ScriptedMessages.h"

namespace vantir::test {
namespace {

const QString kServedMode = QStringLiteral("NippoInp");

// A screen the customer search serves, as the slip entry is: the code handed back is
// set into the record and the cursor put on the code, so that its leave logic runs when
// the user moves on.
class ServedScreen : public Screen {
  public:
    ServedScreen(SampleData& data, HandBacks& handBacks, Messages& messages)
        : Screen(messages), offers_(handBacks, kServedMode) {
        openDataset(data.sample);
        form_ =
            new RecordForm(*this, data.sample,
                           {{.column = "CODE"}, {.column = "NAME", .input = InputMode::Hiragana}});
        (new QVBoxLayout(this))->addWidget(form_);
        offers_.offer(HandBack::CustomerCode, [this, &data](const QString& code) {
            data.sample.setValue(QStringLiteral("CODE"), code);
            form_->box(QStringLiteral("CODE"))->setFocus(Qt::OtherFocusReason);
        });
    }

  private:
    HandBackOffers offers_;
    RecordForm* form_ = nullptr;
};

class HandBackTest : public ::testing::Test {
  protected:
    void SetUp() override {
        state.EditPName = kServedMode;
        screen = std::make_unique<ServedScreen>(data, handBacks, messages);
        ASSERT_TRUE(showActive(*screen));
        childNamed(*screen, "EditNAME")->setFocus(Qt::TabFocusReason);
    }

    SampleData data;
    ScriptedMessages messages;
    AppState state;
    HandBacks handBacks;
    std::unique_ptr<ServedScreen> screen;
};

// A search looks the current mode name up: the screen open under it takes the kind of
// value it offered, and nothing else; another mode takes nothing.
TEST_F(HandBackTest, TheScreenOpenUnderTheModeTakesWhatItOffered) {
    EXPECT_FALSE(handBacks.handBack(state.EditPName, HandBack::CarrierCode, "000009"));
    EXPECT_FALSE(handBacks.handBack("RepNippo", HandBack::CustomerCode, "000009"));
    EXPECT_EQ(data.sample.state(), DatasetState::Browse);

    EXPECT_TRUE(handBacks.handBack(state.EditPName, HandBack::CustomerCode, "000012"));
    EXPECT_EQ(data.sample.state(), DatasetState::Edit);
    EXPECT_EQ(data.sample.text("CODE"), "000012");
    EXPECT_EQ(childNamed<BoundLineEdit>(*screen, "EditCODE")->text(), "000012");
    EXPECT_EQ(focusName(), "EditCODE");
    EXPECT_TRUE(messages.shown.isEmpty());
}

// Released, the screen's offers go with it; what another screen offered under the same
// mode stays, even an offer that replaced the released screen's.
TEST_F(HandBackTest, OffersGoWithTheScreen) {
    QString searched;
    HandBackOffers list(handBacks, kServedMode);  // a second screen of the same command
    list.offer(HandBack::SearchValue, [&](const QString& value) { searched = value; });
    screen.reset();
    EXPECT_FALSE(handBacks.offers(kServedMode, HandBack::CustomerCode));
    EXPECT_FALSE(handBacks.handBack(kServedMode, HandBack::CustomerCode, "000012"));
    EXPECT_TRUE(handBacks.handBack(kServedMode, HandBack::SearchValue, "丸山"));
    EXPECT_EQ(searched, "丸山");

    QString handed;
    screen = std::make_unique<ServedScreen>(data, handBacks, messages);
    HandBackOffers replacing(handBacks, kServedMode);
    replacing.offer(HandBack::CustomerCode, [&](const QString& code) { handed = code; });
    screen.reset();
    EXPECT_TRUE(handBacks.handBack(kServedMode, HandBack::CustomerCode, "000007"));
    EXPECT_EQ(handed, "000007");
}

}  // namespace
}  // namespace vantir::test
