#include "platform/Folders.h"
#include "platform/Scaling.h"
#include "platform/qt/ColorDialog.h"
#include "platform/qt/Dialogs.h"
#include "platform/qt/FileDialogs.h"
#include "platform/qt/MessageBoxes.h"
#include "support/qt/ModalDriver.h"

#include <gtest/gtest.h>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>

namespace qora {
namespace {

class CountingDialog : public QoraDialog {
public:
    CountingDialog() : QoraDialog(" A Test Form", 300, 120) {
        ok = new QPushButton("OK", this);
        connect(ok, &QPushButton::clicked, this, [this] { visibleAtClick = isVisible(); });
        SetModalResult(*ok, mrOk);
    }
    int activations = 0;
    bool visibleAtClick = false;
    QPushButton* ok;

protected:
    void FormActivate() override { ++activations; }
};

TEST(QoraDialog, ShowsModallyWithTheButtonsResultAfterItsHandler) {
    CountingDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QString(" A Test Form"));
    EXPECT_EQ(dialog.size(), QSize(Scaled(300), Scaled(120)));
    WhenModalOpens([&](QWidget&) { dialog.ok->click(); });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_TRUE(dialog.visibleAtClick);
    EXPECT_EQ(dialog.activations, 1);
    WhenModalOpens([](QWidget& modal) { QTest::keyClick(&modal, Qt::Key_Escape); });
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_EQ(dialog.activations, 2);  // every showing activates the form afresh
}

QMessageBox::StandardButtons ButtonsOf(QWidget& modal) { return static_cast<QMessageBox&>(modal).standardButtons(); }

TEST(MessageBoxes, WarningsCancelAndQuestionsAnswerYesOrNo) {
    QMessageBox::StandardButtons seen;
    QString text;
    WhenModalOpens([&](QWidget& modal) {
        seen = ButtonsOf(modal);
        text = static_cast<QMessageBox&>(modal).text();
        static_cast<QMessageBox&>(modal).button(QMessageBox::Cancel)->click();
    });
    ShowWarning("Cannot open \xD1.WBG");
    EXPECT_EQ(seen, QMessageBox::Cancel);
    EXPECT_EQ(text, QString::fromUtf16(u"Cannot open \u00D1.WBG"));
    WhenModalOpens([](QWidget& modal) { static_cast<QMessageBox&>(modal).button(QMessageBox::Yes)->click(); });
    EXPECT_EQ(AskYesNo("Replace?"), mrYes);
    WhenModalOpens([](QWidget& modal) { QTest::keyClick(&modal, Qt::Key_Escape); });
    EXPECT_EQ(AskYesNo("Replace?"), mrNo);
}

TEST(FileDialog, FiltersArePairsMatchingEitherCase) {
    EXPECT_EQ(NameFiltersOf("Wave files (*.wav)|*.WAV|Any files (*.*)|*.*"),
              QStringList({"Wave files (*.wav) (*.WAV *.wav)", "Any files (*.*) (*.*)"}));
    EXPECT_EQ(NameFiltersOf("Grids|*.grd;*.txt"), QStringList({"Grids (*.grd *.GRD *.txt *.TXT)"}));
    EXPECT_TRUE(NameFiltersOf("no patterns").isEmpty());
}

TEST(FileDialog, SaveStartsAtHomeAndAddsTheDefaultExtension) {
    QTemporaryDir home;
    HomeDirectory = home.path().toStdString();
    FileDialog save(FileDialog::Kind::Save);
    save.Title = "Export Grids";
    save.FileName = "WBG_grids.WBG";
    save.Filter = "Grid files (*.WBG)|*.WBG|Any files (*.*)|*.*";
    save.FilterIndex = 2;
    save.DefaultExt = ".WBG";
    save.OverwritePrompt = true;
    QString folder, proposed, filter;
    bool confirmsOverwrite = false;
    WhenModalOpens([&](QWidget& modal) {
        auto& dialog = static_cast<QFileDialog&>(modal);
        folder = dialog.directory().absolutePath();
        proposed = QFileInfo(dialog.selectedFiles().value(0)).fileName();
        filter = dialog.selectedNameFilter();
        confirmsOverwrite = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
        ChooseFile(dialog, "round7");
    });
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(folder, QDir(home.path()).absolutePath());
    EXPECT_EQ(proposed, QString("WBG_grids.WBG"));
    EXPECT_TRUE(filter.startsWith("Any files"));
    EXPECT_TRUE(confirmsOverwrite);
    EXPECT_EQ(save.FileName, QDir(home.path()).filePath("round7.WBG").toStdString());
    EXPECT_EQ(save.FilterIndex, 2);
    HomeDirectory.clear();
}

TEST(HomeDirectory, PrefersTheDriveAndPathOverHome) {
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", "/home/judge", 1);
    unsetenv("HOMEPATH");
    InitHomeDirectory();
    EXPECT_EQ(HomeDirectory, "/home/judge");
    setenv("HOMEDRIVE", "C:", 1);
    setenv("HOMEPATH", "\\Users\\judge", 1);
    InitHomeDirectory();
    EXPECT_EQ(HomeDirectory, "C:\\Users\\judge");
    unsetenv("HOMEDRIVE");
    unsetenv("HOMEPATH");
    setenv("HOME", savedHome.c_str(), 1);
    HomeDirectory.clear();
}

TEST(ColorDialog, CustomColorsAreLinesWithBlueInTheHighByte) {
    EXPECT_EQ(CustomColorLine('A', QColor(160, 176, 255)), "ColorA=FFB0A0");
    EXPECT_EQ(CustomColorLine('M', QColor(250, 101, 37)), "ColorM=2565FA");
    EXPECT_EQ(CustomColorLine('B', QColor(0, 0, 0)), "ColorB=0");
    ColorDialog dialog;
    dialog.AddCustomColor('A', QColor(160, 176, 255));
    dialog.AddCustomColor('E', QColor(255, 0, 0));
    dialog.AddCustomColor('A', QColor(1, 2, 3));
    dialog.AddCustomColor('Q', QColor(9, 9, 9));  // there are sixteen places, A to P
    EXPECT_EQ(dialog.CustomColors(), (std::vector<std::string>{"ColorE=FF", "ColorA=30201"}));
    EXPECT_EQ(QColorDialog::customColor(4), QColor(255, 0, 0));
}

}  // namespace
}  // namespace qora
