#include <QComboBox>
#include <QLabel>
#include <QListWidget>

#include "channel_page.h"
#include "controller_page.h"
#include "dialog_fixture.h"

namespace piano::test {
namespace {

using Calls = std::vector<EngineCommand>;

class ControllerPageTest : public DialogTest {};

TEST_F(ControllerPageTest, TargetsShowAndStoreTheirOwnNumbers) {
    keys().buttonController(2) = 64;
    program.state.settings.controlCode = 7;
    memory().selectedChannel = 3;
    keys().bytes[KeyboardState::kChannelController + 3] = 91;
    keys().controllerTarget() = 2;  // button 2
    ControllerPage &p = *open(6).controllerPage();
    EXPECT_EQ(p.target(), 1);
    EXPECT_EQ(p.list->currentRow(), 12);  // 64

    struct Case {
        int target;
        int shownRow;
    } cases[] = {{0, -1}, {1, 12}, {4, 4}, {5, 21}};
    for (const Case &c : cases) {
        p.changeTarget(c.target);
        EXPECT_EQ(p.list->currentRow(), c.shownRow) << c.target;
    }

    p.changeTarget(0);
    p.clickRow(3);  // 05
    EXPECT_EQ(keys().buttonController(1), 5);
    p.changeTarget(4);
    p.clickRow(0);  // 01: stored, not sent yet
    EXPECT_EQ(program.state.settings.controlCode, 1);
    EXPECT_TRUE(engine.actions().empty());
}

TEST_F(ControllerPageTest, DoubleClickForTheAccompanimentSendsAndCloses) {
    keys().controllerTarget() = 5;
    ControllerPage &p = *open(6).controllerPage();
    EXPECT_EQ(p.target(), ControllerPage::kAccompEffect);
    p.doubleClickRow(4);  // 07 主音量
    EXPECT_EQ(program.state.settings.controlCode, 7);
    EXPECT_EQ(engine.actions(), (Calls{{MDRV_SET_ACCOMP_CONTROLLER, 7, ""}}));
    EXPECT_TRUE(closed());

    // With no row highlighted nothing is stored and the current code is sent again.
    program.state.settings.controlCode = 10;
    engine.calls.clear();
    ControllerPage &q = *open(6).controllerPage();
    q.list->setCurrentRow(-1);
    q.confirm();
    EXPECT_EQ(engine.actions(), (Calls{{MDRV_SET_ACCOMP_CONTROLLER, 10, ""}}));
    EXPECT_TRUE(closed());
}

TEST_F(ControllerPageTest, AChannelNumberLeadsToItsControllerAndBack) {
    engine.roles.fill(CH_FREE);
    program.state.settings.controlCode = 7;
    FunctionDialog &d = open(5);
    d.channelPage()->clickNumber(2);
    EXPECT_EQ(memory().selectedChannel, 2);
    EXPECT_EQ(d.currentTab(), FunctionTab::Controllers);
    EXPECT_EQ(d.windowTitle(), "控制器");
    EXPECT_EQ(d.outerSize(), QSize(190, 330));
    ControllerPage &p = *d.controllerPage();
    EXPECT_EQ(p.target(), ControllerPage::kChannel);
    p.changeTarget(0);
    EXPECT_EQ(p.target(), ControllerPage::kChannel) << "fixed";

    p.clickRow(3);  // 05 滑音时间
    EXPECT_EQ(keys().bytes[KeyboardState::kChannelController + 2], 5);
    EXPECT_EQ(program.state.settings.controlCode, 7);
    EXPECT_EQ(d.currentTab(), FunctionTab::Channels);
    EXPECT_EQ(d.outerSize(), QSize(494, 300));
    EXPECT_EQ(d.channelPage()->controllerLabels[2]->text(), "滑音时间");
}

TEST_F(ControllerPageTest, FromTheMainWindowTheChannelTargetRefreshesOnlyTheLabels) {
    memory().selectedChannel = 9;
    FunctionDialog &d = open(6);
    d.controllerPage()->changeTarget(ControllerPage::kChannel);
    d.controllerPage()->clickRow(4);
    EXPECT_EQ(keys().bytes[KeyboardState::kChannelController + 9], 7);
    EXPECT_EQ(d.currentTab(), FunctionTab::Channels);
    EXPECT_EQ(d.channelPage()->controllerLabels[9]->text(), "主音量");
    EXPECT_EQ(d.channelPage()->checkList->item(9)->text(), "");
    EXPECT_TRUE(engine.calls.empty()) << "the rows wait for the main timer's refresh";
}

}  // namespace
}  // namespace piano::test
