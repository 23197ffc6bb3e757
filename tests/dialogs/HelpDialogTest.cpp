// The help window and the tourney-adjudication window: their page buttons
// ask the system to open the documentation pages beside the program and
// close the window.
#include "dialogs/HelpDialog.h"
#include "dialogs/TourneyInfoDialog.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

#include "support/qt/CommandDialogTest.h"

namespace qora {
namespace {

class AddressRecorder : public QObject {
    Q_OBJECT

public:
    AddressRecorder() {
        for (const char* scheme : {"file", "https"}) QDesktopServices::setUrlHandler(scheme, this, "Open");
    }
    ~AddressRecorder() override {
        for (const char* scheme : {"file", "https"}) QDesktopServices::unsetUrlHandler(scheme);
    }
    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened << url; }
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

#include "HelpDialogTest.moc"
