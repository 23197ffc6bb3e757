// The controls in the real main window: they follow what is typed in the
// workspace, type into its command line, follow performed commands, and every
// page fits the window at 1280 x 800 (scaled).
#include <QAbstractItemView>
#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>

#include "MainWindowFixture.h"
#include "mainwindow/FilterControls.h"
#include "mainwindow/QueryControls.h"
#include "mainwindow/WordlistControls.h"
#include "platform/Scaling.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/Screen.h"

namespace qora::test {
namespace {

TEST_F(MainWindowTest, ControlsFollowTheWorkspaceAndTypeIntoIt) {
    StartWithLexicon();
    form->show();
    Type("ACT/Q2 /|=3");
    const QueryPage& query = Main().QueryTab();
    FilterPage& filters = Main().FiltersTab();
    EXPECT_EQ(query.QueryKind->currentText().toStdString(), "Pattern");
    EXPECT_TRUE(filters.FilteringLength->isChecked());
    EXPECT_EQ(filters.FilteringLengthValue->currentText().toStdString(), "=3");

    Main().QueryOrPresentation().setCurrentWidget(&filters);
    QTest::mouseClick(filters.FilteringLength, Qt::LeftButton);
    EXPECT_EQ(CommandLine(), "ACT/Q2 /|=3/|- ");
    EXPECT_EQ(ShownLine(PromptRow), "QORA?: ACT/Q2 /|=3/|- ");
    EXPECT_FALSE(filters.FilteringLength->isChecked());
    EXPECT_TRUE(Main().Perform().isEnabled());
    Type("/Q");  // "/Q" alone has an error: the controls stay
    EXPECT_EQ(query.QueryKind->currentText().toStdString(), "Pattern");
    SetCommandLine("");
    Main().MakeLongTerm().click();
    EXPECT_EQ(CommandLine(), "!");
}

// The lines of the wordlists box may be longer than the box: its list is
// as wide as the longest, and its hint holds the line chosen whole.
TEST_F(MainWindowTest, PerformedCommandsRefreshTheLists) {
    StartWithLexicon();
    const WordlistsPage& lists = Main().WordlistsTab();
    EXPECT_EQ(lists.Wordlists->count(), 1);
    Perform("/3W\"Twenty characters ok\"");
    EXPECT_EQ(lists.Wordlists->count(), 2);
    EXPECT_EQ(Main().QueryTab().WordSource->count(), 3);
    const QString longest = lists.Wordlists->itemText(1);
    lists.Wordlists->showPopup();
    EXPECT_GE(lists.Wordlists->view()->viewport()->width(), lists.Wordlists->fontMetrics().horizontalAdvance(longest));
    lists.Wordlists->hidePopup();
    EXPECT_EQ(lists.Wordlists->toolTip().toStdString(), lists.Wordlists->currentText().toStdString());
}

// While work runs the option pages other than the timer go off; the page
// the user chose stays chosen through a query and a command file.
TEST_F(MainWindowTest, TheOptionPageChosenStaysWhileWorkRuns) {
    StartWithLexicon();
    form->show();
    WriteFile("queries.cmd", "CAT\nDOG/-?\n");
    for (int page = 0; page < Main().Options().count(); ++page) {
        Main().Options().setCurrentIndex(page);
        for (const char* line : {"CAT", "/X\"queries.cmd\""}) {
            Perform(line);
            EXPECT_EQ(Main().Options().currentIndex(), page) << line;
        }
    }
}

TEST_F(MainWindowTest, LayoutOfEveryControlPage) {
    StartWithLexiconAt1280x800();
    form->show();
    Settle();
    for (QTabWidget* pages : {&Main().QueryOrPresentation(), &Main().Options()}) {
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            Settle();
            const std::string name = pages->tabText(page).remove('&').toStdString();
            EXPECT_EQ(LayoutFaults(*form), std::vector<std::string>{}) << name;
            SaveWindowGrab(*form, QString("main-window-%1").arg(QString::fromStdString(name).replace(' ', '-')));
        }
    }
}

}  // namespace
}  // namespace qora::test
