// A curious user's sweep of the main window: every enabled menu item and
// every button of the window itself is used in turn, whatever it opens is
// closed with Esc, and afterwards the program must be idle at a prompt line
// with no window left open. And no two items of a menu share a mnemonic.
#include <QKeySequence>
#include <map>

#include "WindowSweep.h"

namespace qora::test {
namespace {

using MenuSweepTest = WindowSweepTest;

TEST_F(MenuSweepTest, EnglishLeavesTheProgramIdleAfterEveryItemAndButton) {
    AddLexicon();
    ASSERT_EQ(Start(), "");
    Sweep();
}

TEST_F(MenuSweepTest, EnterAcceptingEveryDialogLeavesTheProgramIdle) {
    AddLexicon();
    ASSERT_EQ(Start(), "");
    answerKey = Qt::Key_Return;
    Sweep();
}

TEST_F(MenuSweepTest, SpanishLeavesTheProgramIdleAfterEveryItemAndButton) {
    lexicons.Add("ESPANOL.QLX", {"CHICO", "LLAMA", "NI\xD1O", "CARRO"}, Language::Spanish);
    ASSERT_EQ(Start(), "");
    Sweep();
}

// The menu bar, each menu and each submenu: within each, every mnemonic
// ("&F") leads to one item only. The menus have one language, whatever the
// lexicon's.
TEST_F(MenuSweepTest, EveryMenuHasUniqueMnemonics) {
    AddLexicon();
    ASSERT_EQ(Start(), "");
    std::vector<QWidget*> menus{form->menuBar()};
    for (std::size_t i = 0; i < menus.size(); ++i) {
        std::map<QKeySequence, QString> taken;
        for (const QAction* item : menus[i]->actions()) {
            if (item->menu() != nullptr) menus.push_back(item->menu());
            const QKeySequence mnemonic = QKeySequence::mnemonic(item->text());
            if (mnemonic.isEmpty()) continue;
            const auto [first, unique] = taken.emplace(mnemonic, item->text());
            EXPECT_TRUE(unique) << item->text().toStdString() << " and " << first->second.toStdString();
        }
    }
    EXPECT_GT(menus.size(), 10u);
}

}  // namespace
}  // namespace qora::test
