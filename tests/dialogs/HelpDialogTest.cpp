// The help window and the tourney-adjudication window: their page buttons
// ask the system to open the documentation pages beside the program, close
// the window, and tell the user of a page that did not open.
#include "dialogs/HelpDialog.h"
#include "dialogs/TourneyInfoDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

#include "platform/qt/LocalPages.h"
#include "support/qt/CommandDialogTest.h"

namespace qora {
namespace {

// Takes the system's place: records each address and answers `outcome`.
class AddressRecorder {
public:
    AddressRecorder() {
        OpenUrl = [this](const QUrl& url) {
            opened << url;
            return outcome;
        };
    }
    ~AddressRecorder() { OpenUrl = OpenWithSystem; }
    QList<QUrl> opened;
    PageOpening outcome = PageOpening::Opened;
};

QString BesideTheProgram(std::string_view page) {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(page.data(), page.size()));
}

class HelpWindowTest : public CommandDialogTest {
protected:
    THelpDlg help;
    TInfoDlg info;
    AddressRecorder recorder;
};

TEST_F(HelpWindowTest, EachPageButtonOpensItsPageAndClosesTheWindow) {
    const std::pair<QPushButton*, std::string_view> buttons[] = {{help.QorasFirst, FirstStepsPage},
                                                                 {help.CommonQueries, CommonQueriesPage},
                                                                 {help.LocalVersion, UserGuidePage},
                                                                 {info.LocalVersion, TourneyAdjudicationsPage}};
    for (auto [button, page] : buttons) {
        QWidget& window = *button->window();
        Open(window);
        recorder.opened.clear();
        button->click();
        ASSERT_EQ(recorder.opened.size(), 1) << page;
        EXPECT_EQ(recorder.opened[0].toLocalFile(), BesideTheProgram(page));
        EXPECT_FALSE(window.isVisible()) << page;
    }
    Open(help);
    recorder.opened.clear();
    help.WebVersion->click();
    ASSERT_EQ(recorder.opened.size(), 1);
    EXPECT_EQ(recorder.opened[0].toString().toStdString(), WebUserGuideAddress);
    EXPECT_FALSE(help.isVisible());
}

// The window closes all the same, and an error box names the page's file
// (or the web address) and why it did not open.
TEST_F(HelpWindowTest, APageThatDidNotOpenIsReportedWithItsFileOrAddress) {
    const std::pair<PageOpening, QString> reasons[] = {{PageOpening::NoSuchFile, "There is no such file."},
                                                       {PageOpening::NoHandler, "such as a web browser"}};
    const std::pair<QPushButton*, QString> buttons[] = {
        {help.LocalVersion, BesideTheProgram(UserGuidePage)},
        {info.LocalVersion, BesideTheProgram(TourneyAdjudicationsPage)},
        {help.WebVersion, QString::fromLatin1(WebUserGuideAddress.data(), WebUserGuideAddress.size())}};
    for (auto [outcome, reason] : reasons) {
        recorder.outcome = outcome;
        for (auto [button, where] : buttons) {
            Open(*button->window());
            QString message;
            WhenModalOpens([&](QWidget& box) {
                message = static_cast<QMessageBox&>(box).text();
                box.close();
            });
            button->click();
            EXPECT_TRUE(message.startsWith("The help page could not be opened:\n\n" + where + "\n\n"))
                << message.toStdString();
            EXPECT_TRUE(message.contains(reason)) << message.toStdString();
            EXPECT_FALSE(button->window()->isVisible());
        }
    }
}

TEST_F(HelpWindowTest, CancelClosesWithoutOpeningAnything) {
    for (QPushButton* cancel : {help.Cancel, info.Cancel}) {
        Open(*cancel->window());
        cancel->click();
        EXPECT_FALSE(cancel->window()->isVisible());
    }
    EXPECT_TRUE(recorder.opened.isEmpty());
}

TEST_F(HelpWindowTest, EveryPageIsBuiltBesideTheProgram) {
    const QString program = qEnvironmentVariable("QORA_BINARY_DIR");
    ASSERT_FALSE(program.isEmpty());
    for (std::string_view page : {UserGuidePage, FirstStepsPage, CommonQueriesPage, TourneyAdjudicationsPage})
        EXPECT_TRUE(QFileInfo(QDir(program).filePath(QString::fromLatin1(page.data(), page.size()))).isFile()) << page;
}

TEST_F(HelpWindowTest, TheInformationWindowNumbersItsSevenPoints) {
    const QString text = info.Memo1->toPlainText();
    for (int point = 1; point <= 7; ++point) EXPECT_TRUE(text.contains(QString("\n%1. ").arg(point))) << point;
    EXPECT_TRUE(info.Memo1->isReadOnly());
}

TEST_F(HelpWindowTest, LayoutOfBothWindows) {
    ExpectSoundLayoutInBothLanguages(help, "help-window");
    ExpectSoundLayoutInBothLanguages(info, "tourney-adjudications");
}

}  // namespace
}  // namespace qora
