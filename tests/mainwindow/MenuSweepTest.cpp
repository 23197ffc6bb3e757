// A curious user's sweep of the main window: every enabled menu item and
// every button of the window itself is used in turn, whatever it opens is
// closed with Esc, and afterwards the program must be idle at a prompt line
// with no window left open. And no two items of a menu share a mnemonic.
#include <QAbstractButton>
#include <QAction>
#include <QKeySequence>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <map>

#include "MainWindowFixture.h"
#include "games/LetterGridWindow.h"
#include "games/WordBuildingWindow.h"

namespace qora::test {
namespace {

class MenuSweepTest : public MainWindowTest {
protected:
    void TearDown() override {
        closer.stop();
        MainWindowTest::TearDown();
    }

    // Uses `act` (named `what`) with a closer that answers each modal
    // window that opens, then closes the game windows it left open and checks
    // the program is idle again with no other window open.
    void Use(const QString& what, const std::function<void()>& act) {
        int ticks = 0;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr) return;
            if (++ticks > 50) {
                ADD_FAILURE() << what.toStdString() << ": Esc does not close " << modal->metaObject()->className();
                modal->hide();  // so that the sweep goes on
                return;
            }
            // Pressed from a zero-delay timer, so that the closer answers a
            // window that the key opens too; Esc ends what Enter does not.
            const Qt::Key key = ticks < 3 ? answerKey : Qt::Key_Escape;
            QTimer::singleShot(0, modal, [modal, key] { QTest::keyClick(modal, key); });
        });
        closer.start(10);
        act();
        Settle();
        QTest::qWait(20);
        closer.stop();
        closer.disconnect();
        // The game windows stay open by design: the user closes them.
        for (QWidget* game : {static_cast<QWidget*>(BogglePlayer.data()), static_cast<QWidget*>(WordsmithDlg)})
            if (game != nullptr) game->close();
        Settle();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != form && !window->inherits("QMenu")) {
                EXPECT_FALSE(window->isVisible())
                    << what.toStdString() << " left " << window->metaObject()->className() << " open";
            }
        }
        EXPECT_FALSE(QueryThread().Busy()) << what.toStdString();
        EXPECT_TRUE(form->menuBar()->isEnabled() && form->Command->isEnabled()) << what.toStdString();
        EXPECT_FALSE(ChallengeDlg->Rules().Locked()) << what.toStdString();
        EXPECT_EQ(LastLine().rfind(PromptText, 0), 0u) << what.toStdString() << " left " << LastLine();
    }

    // The sweep: the menu items (Exit, which ends the program, left out), then
    // the main window's own buttons.
    void Sweep() {
        Settle();
        for (QAction* item : form->menuBar()->findChildren<QAction*>()) {
            if (item->isSeparator() || item->menu() != nullptr || item == form->MenuExit) continue;
            if (item->isEnabled()) Use(item->text(), [item] { item->trigger(); });
        }
        for (QAbstractButton* button : form->findChildren<QAbstractButton*>()) {
            const bool pushOrTool = qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button);
            if (pushOrTool && button->window() == form && button->isEnabled())
                Use(button->objectName() + " " + button->text(), [button] { button->click(); });
        }
    }

    QTimer closer;
    Qt::Key answerKey = Qt::Key_Escape;  // the key that answers each modal window
};

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
