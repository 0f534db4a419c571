#include "qtplatform/command_table.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "qtplatform/testing/qt_test.h"

namespace qtplatform {
namespace {

constexpr CommandSpec kCommands[] = {
    {1, "&File", "&Open\tCtrl-O"},
    {2, "&File", "E&xit", true},
    {3, "&Extra>&Database Options", "Loading &Countries"},
    {4, "", "Find"},
};
constexpr AcceleratorSpec kAccelerators[] = {
    {Qt::CTRL | Qt::Key_O, 1}, {Qt::Key_F7, 5},  // a command reached by its accelerator alone
};

class CommandTableTest : public ::testing::Test {
protected:
    CommandTableTest() { BuildCommands(&window_, kCommands, kAccelerators); }
    QAction* Command(int id) { return FindCommand(&window_, id); }

    QMainWindow window_;
};

TEST_F(CommandTableTest, BuildsMenusByPathAndKeepsUnboundCommandsDisabled) {
    QMenu* file = FindMenu(&window_, "&File");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->actions().size(), 3);  // open, separator, exit
    EXPECT_TRUE(file->actions()[1]->isSeparator());
    QMenu* database = FindMenu(&window_, "&Extra>&Database Options");
    ASSERT_NE(database, nullptr);
    EXPECT_EQ(database->actions().front(), Command(3));
    EXPECT_EQ(FindMenu(&window_, "&Help"), nullptr);

    for (int id : {1, 2, 3, 4, 5}) {
        ASSERT_NE(Command(id), nullptr) << id;
        EXPECT_FALSE(Command(id)->isEnabled()) << id;
    }
    EXPECT_EQ(Command(1)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(Command(5)->shortcut(), QKeySequence(Qt::Key_F7));
}

TEST_F(CommandTableTest, BindingAgainReplacesTheHandler) {
    int first = 0, second = 0;
    QAction* open = BindCommand(&window_, 1, [&] { ++first; });
    ASSERT_NE(open, nullptr);
    EXPECT_TRUE(open->isEnabled());
    EXPECT_EQ(BindCommand(&window_, 1, [&] { ++second; }), open);
    open->trigger();
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);
    EXPECT_EQ(BindCommand(&window_, 99, [] {}), nullptr);
}

TEST_F(CommandTableTest, ABindingGoesWithItsOwner) {
    int runs = 0;
    auto owner = std::make_unique<QObject>();
    BindCommand(
        &window_, 1, [&] { ++runs; }, owner.get());
    BindCommandUpdate(
        &window_, 1, [](CommandUI& ui) { ui.SetCheck(); }, owner.get());
    owner.reset();
    EXPECT_FALSE(Command(1)->isEnabled());
    Command(1)->trigger();
    EXPECT_EQ(runs, 0);
}

// A window's model: the update handlers read it, nothing pushes it into the commands.
class CommandUpdateTest : public CommandTableTest {
protected:
    CommandUpdateTest() {
        BindCommand(&window_, 1, [this] {
            ++opened_;
            countries_ = !countries_;
        });
        BindCommand(&window_, 3, [this] { countries_ = !countries_; });
        BindCommand(&window_, 5, [this] { ++created_; });
        BindCommandUpdate(&window_, 1, [this](CommandUI& ui) { ui.Enable(canOpen_); });
        BindCommandUpdate(&window_, 3, [this](CommandUI& ui) { ui.SetCheck(countries_); });
        BindCommandUpdate(&window_, 5, [this](CommandUI& ui) { ui.Enable(canCreate_); });
    }

    bool canOpen_ = false;
    bool canCreate_ = false;
    bool countries_ = true;
    int opened_ = 0;
    int created_ = 0;
};

TEST_F(CommandUpdateTest, UpdateHandlersSetTheStatesInOnePass) {
    EXPECT_FALSE(Command(1)->isEnabled());
    EXPECT_TRUE(Command(3)->isCheckable());
    EXPECT_TRUE(Command(3)->isChecked());
    EXPECT_FALSE(Command(2)->isEnabled());  // no handler

    canOpen_ = true;
    countries_ = false;
    EXPECT_FALSE(Command(1)->isEnabled());  // until the states are refreshed
    UpdateCommandUI(&window_);
    EXPECT_TRUE(Command(1)->isEnabled());
    EXPECT_FALSE(Command(3)->isChecked());
    EXPECT_FALSE(Command(2)->isEnabled());
}

TEST_F(CommandUpdateTest, StatesFollowMenusAndCommands) {
    // Before a menu opens.
    canOpen_ = true;
    QMenu* file = FindMenu(&window_, "&File");
    file->popup(QPoint(0, 0));
    EXPECT_TRUE(Command(1)->isEnabled());
    file->hide();

    // After a command: the tick it changed follows once the waiting events are handled.
    Command(1)->trigger();
    EXPECT_EQ(opened_, 1);
    EXPECT_TRUE(Command(3)->isChecked());
    EXPECT_TRUE(testing::ProcessEventsUntil([&] { return !Command(3)->isChecked(); }));
}

// A click whose handler runs a modal dialog changes the model once the dialog has closed:
// the states follow that change, not what the model was while the dialog was open.
TEST_F(CommandUpdateTest, AClickThatRunsADialogRefreshesAfterIt) {
    window_.show();
    auto* button = new QPushButton("Pick", &window_);
    window_.setCentralWidget(button);
    QObject::connect(button, &QPushButton::clicked, [this] {
        QDialog picker(&window_);
        testing::WhenModalShown([](QWidget* modal) {
            QTest::qWait(30);  // the refresh due to the click comes round while it is open
            static_cast<QDialog*>(modal)->accept();
        });
        picker.exec();
        canOpen_ = true;
    });
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(canOpen_);
    EXPECT_TRUE(testing::ProcessEventsUntil([&] { return Command(1)->isEnabled(); }));
}

// Before an accelerator is matched: the command it reaches is enabled just in time.
TEST_F(CommandUpdateTest, AnAcceleratorFindsItsCommandsStateCurrent) {
    window_.show();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    canCreate_ = true;
    ASSERT_FALSE(Command(5)->isEnabled());
    QTest::keyClick(&window_, Qt::Key_F7);
    EXPECT_EQ(created_, 1);
}

}  // namespace
}  // namespace qtplatform
