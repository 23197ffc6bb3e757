// A curious user's sweep of the main window: every enabled menu item and
// every button of the window itself is used in turn, and each modal window
// that opens is answered with a key (Esc, or Enter first). Tests derive from
// it to check what the sweep leaves behind or each window it meets.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <functional>

#include "MainWindowFixture.h"
#include "games/LetterGridWindow.h"
#include "games/WordBuildingWindow.h"

namespace qora::test {

class WindowSweepTest : public MainWindowTest {
protected:
    void TearDown() override {
        closer.stop();
        MainWindowTest::TearDown();
    }

    // Called with every window the sweep meets: each modal window before it
    // is answered, each game window before the sweep closes it.
    virtual void Met(QWidget& window, const QString& what) {
        (void)window;
        (void)what;
    }

    // The game windows the program has made (they stay open by design).
    static std::vector<QWidget*> GameWindows() {
        std::vector<QWidget*> games;
        for (QWidget* game : {static_cast<QWidget*>(BogglePlayer.data()), static_cast<QWidget*>(WordsmithDlg)})
            if (game != nullptr) games.push_back(game);
        return games;
    }

    // Uses `act` (named `what`) with a closer that answers each modal
    // window that opens, then closes the game windows it left open and checks
    // the program is idle again with no other window open.
    void Use(const QString& what, const std::function<void()>& act) {
        int ticks = 0;
        QWidget* last = nullptr;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr) return;
            if (modal != last) Met(*modal, what);
            last = modal;
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
        // The closer answers what the act left open.
        (void)ProcessEventsUntil([] {
            return QApplication::activeModalWidget() == nullptr && QApplication::activePopupWidget() == nullptr;
        });
        closer.stop();
        closer.disconnect();
        for (QWidget* game : GameWindows()) {
            if (!game->isVisible()) continue;
            Met(*game, what);
            game->close();
        }
        Settle();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != form && !window->inherits("QMenu")) {
                EXPECT_FALSE(window->isVisible())
                    << what.toStdString() << " left " << window->metaObject()->className() << " open";
            }
        }
        EXPECT_FALSE(QueryThread().Busy()) << what.toStdString();
        EXPECT_TRUE(form->menuBar()->isEnabled() && Main().Command().isEnabled()) << what.toStdString();
        EXPECT_FALSE(ChallengeDlg->Rules().Locked()) << what.toStdString();
        EXPECT_EQ(LastLine().rfind(PromptText, 0), 0u) << what.toStdString() << " left " << LastLine();
    }

    // The sweep: the menu items (Exit, which ends the program, left out), then
    // the main window's own buttons.
    void Sweep() {
        Settle();
        const QAction* exit = &Main().MenuItem({"File", "Exit"});
        for (QAction* item : form->menuBar()->findChildren<QAction*>()) {
            if (item->isSeparator() || item->menu() != nullptr || item == exit) continue;
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

}  // namespace qora::test
