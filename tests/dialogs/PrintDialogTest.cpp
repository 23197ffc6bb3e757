#include "dialogs/PrintDialog.h"

#include <QCheckBox>
#include <QFile>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "dialogs/NewInitializationFileDialog.h"
#include "dialogs/PageSetupDialog.h"
#include "dialogs/texts/OptionTexts.h"
#include "platform/qt/Printing.h"
#include "platform/qt/SpinField.h"
#include "processor/IniFile.h"
#include "processor/PageSettings.h"
#include "processor/PrintedPages.h"
#include "processor/Settings.h"
#include "support/qt/CommandDialogTest.h"

namespace qora {
namespace {

class PrintDialogTest : public CommandDialogTest {
protected:
    TQoraPrintDlg print;
    TQoraPageSetupDlg pageSetup;
};

TEST_F(PrintDialogTest, OKKeepsTheChoicesAndTypesTheCommand) {
    Open(print);
    EXPECT_EQ(print.LineCountLabel->text(), "The workspace has 1 line.");
    EXPECT_EQ(print.Title->text(), "QORA Output");
    EXPECT_TRUE(print.Title->hasFocus());
    print.Collate->setChecked(false);
    print.Cancel->click();
    EXPECT_TRUE(PrintCollate);

    for (int i = 0; i < 39; ++i) WriteOutputLine("line");
    Open(print);
    EXPECT_EQ(print.LineCountLabel->text(), "The workspace has 40 lines.");
    EXPECT_TRUE(print.Collate->isChecked());
    print.Title->clear();
    QTest::keyClicks(print.Title, "Ana\"grams");
    EXPECT_EQ(print.Title->text(), "Anagrams") << "a quote cannot go between quotes";
    print.ReverseOrder->setChecked(true);
    print.OK->click();
    EXPECT_EQ(Typed(), "/PW \"Anagrams\" ");
    EXPECT_EQ(ParseError(Typed()), "");
    EXPECT_EQ(PrintTitle, "Anagrams");
    EXPECT_TRUE(PrintReverseOrder);
    Open(print);
    EXPECT_EQ(print.Title->text(), "Anagrams");
}

// A font chosen is the printing font at once, and the initialization
// file's printer font; cancelling keeps the old one.
TEST_F(PrintDialogTest, TheFontButtonChoosesThePrintingFont) {
    Open(print);
    const auto chooseFont = [](int size, bool accept) {
        WhenModalOpens([=](QWidget& modal) {
            auto& fonts = static_cast<QFontDialog&>(modal);
            QFont font = fonts.currentFont();
            font.setPointSize(size);
            fonts.setCurrentFont(font);
            accept ? fonts.accept() : fonts.reject();
        });
    };
    chooseFont(14, true);
    print.FontButton->click();
    EXPECT_EQ(PrinterFontSize, 14);
    EXPECT_FALSE(PrinterFontName.empty());
    EXPECT_EQ(PrintingFont().pointSize(), 14);
    chooseFont(20, false);
    print.FontButton->click();
    EXPECT_EQ(PrinterFontSize, 14);
    EXPECT_TRUE(print.isVisible());
}

// The page setup shows and stores all six values; the initialization file
// is offered them when any differs from its own, the header or footer
// included.
TEST_F(PrintDialogTest, PageSetupStoresTheSettingsAndOffersThemToTheFile) {
    Open(pageSetup);
    EXPECT_EQ(pageSetup.TopValue->Field()->text(), "120");
    EXPECT_TRUE(pageSetup.Header->isChecked());
    EXPECT_EQ(pageSetup.HeaderSpacing->title(), "Header Spacing (in pixels)");
    pageSetup.OK->click();
    EXPECT_FALSE(NewIniPrinterPageUpdates());

    Open(pageSetup);
    pageSetup.Footer->click();
    EXPECT_EQ(pageSetup.HeaderSpacing->title(), "Footer Spacing (in pixels)");
    EXPECT_EQ(pageSetup.HeaderSpacingLabel->text(), "Text/footer spacing:");
    pageSetup.OK->click();
    EXPECT_EQ(CurrentPageSettings.HeaderFooterMode, PageFooter);
    EXPECT_TRUE(NewIniPrinterPageUpdates()) << "a changed mode must reach the file too";

    Open(pageSetup);
    EXPECT_TRUE(pageSetup.Footer->isChecked());
    pageSetup.Header->click();
    pageSetup.TopValue->SetPosition(100);
    pageSetup.TopValue->Arrows()->Click(UpDownButton::Down);
    EXPECT_EQ(pageSetup.TopValue->Field()->text(), " 99");
    pageSetup.OK->click();
    EXPECT_EQ(CurrentPageSettings.TopMargin, 99);
    EXPECT_TRUE(NewIniPrinterPageUpdates());

    CurrentPageSettings = IniPageSettings;
    CurrentPageSettings.HeaderFooterMode = NoHeaderOrFooter;
    Open(pageSetup);
    EXPECT_TRUE(pageSetup.Neither->isChecked());
    EXPECT_FALSE(pageSetup.HeaderSpacing->isVisible());
    pageSetup.Cancel->click();
    EXPECT_EQ(CurrentPageSettings.HeaderFooterMode, NoHeaderOrFooter);
}

// The text of a PDF file as pdftotext reads it (only what lies on the
// paper), pages apart by form feeds; empty when pdftotext is missing.
QString PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished() || pdftotext.exitCode() != 0) return {};
    return QString::fromLatin1(pdftotext.readAllStandardOutput());
}

QString WithoutWhiteSpace(QString text) { return text.remove(QRegularExpression(QStringLiteral("\\s"))); }

// Printing into a PDF file: a page for each part between separator lines,
// and as many more as a long part needs; a line wider than the page wraps
// and a heading wider than the page shrinks, so everything is on the paper.
TEST_F(PrintDialogTest, PrintsTheWorkspaceIntoPagesWithNothingCutOff) {
    QTemporaryDir folder;
    const QString path = folder.filePath("print.pdf");
    const std::string longLine = "Error - The wordlist file /home/judge/club/" + std::string(60, 'w') +
                                 "/lists/fives.txt cannot be read: No such file or directory, so " +
                                 std::string(30, 'z') + " the end";
    const std::string title(60, 'T');
    std::vector<std::string> workspace = {"QORA?: /LW \"fives.txt\"", longLine, "------", "QORA?: /L5"};
    workspace.insert(workspace.end(), 150, "WORD");
    workspace.push_back("QORA?: /PW \"x\" ");
    PrinterFontSize = 16;
    PagePrinter printer;
    std::string error;
    ASSERT_TRUE(printer.BeginPdf(path.toStdString(), title, error)) << error;
    PrintPages(printer, workspace, title);
    const PageLayout layout =
        LayOutPage(CurrentPageSettings, printer.PageWidth(), printer.PageHeight(), printer.LineHeight());
    ASSERT_GT(printer.TextWidth(longLine), 2 * layout.RowWidth) << "the line needs three rows";
    const int pageCount = 1 + (151 + layout.LinesPerPage - 1) / layout.LinesPerPage;
    EXPECT_EQ(printer.PageCount(), pageCount);
    EXPECT_TRUE(printer.EndDocument(error)) << error;

    const QString text = PdfText(path);
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), pageCount);
    EXPECT_TRUE(WithoutWhiteSpace(pages[0]).contains(WithoutWhiteSpace(QString::fromStdString(longLine))))
        << pages[0].toStdString();
    const auto heading = QString::fromStdString(PageHeading(title, pageCount, pageCount));
    EXPECT_TRUE(WithoutWhiteSpace(pages.last()).startsWith(WithoutWhiteSpace(heading))) << pages.last().toStdString();
}

TEST_F(PrintDialogTest, HelpAndLayoutOfBothDialogs) {
    Open(print);
    ExpectHelpKeepsDialogOpen(print, *print.Help);
    Open(pageSetup);
    ExpectHelpKeepsDialogOpen(pageSetup, *pageSetup.Help);
    ExpectSoundLayoutInBothLanguages(print, "print");
    ExpectSoundLayoutInBothLanguages(pageSetup, "page-setup");
}

}  // namespace
}  // namespace qora
