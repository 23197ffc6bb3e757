#include "platform/qt/Clipboard.h"
#include "platform/qt/LocalPages.h"
#include "platform/qt/Printing.h"
#include "platform/qt/WaveSound.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <fstream>

#include "support/FileSizeLimit.h"

namespace qora {
namespace {

class UrlRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened << url; }
};

void WriteFile(const QString& path, const std::string& bytes) {
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

// Opening a page beside the program and a web address is checked through
// the help window's buttons (HelpWindowTest).
TEST(LocalPages, TheAddressIsTheProgramsFolderAndThePageAsWritten) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Words\\qora.exe", "file:///C:\\Words\\doc/qora_user_guide.html"},
        {"D:qora.exe", "file:///D:doc/qora_user_guide.html"},
        {"/opt/word games/qora", "file:///opt/word games/doc/qora_user_guide.html"},
        {"qora", "file:///doc/qora_user_guide.html"},
    };
    for (auto [program, address] : cases) EXPECT_EQ(LocalPageAddress(program, "doc/qora_user_guide.html"), address);
}

// A file that does not exist is not handed over.
TEST(LocalPages, AFileAddressReachesTheHandlerAsTheFileItNamesWhenItExists) {
    QTemporaryDir folder;
    const QString page = folder.filePath("club #1 50%/doc/qoras_first.html");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(page).path()));
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler("file", &recorder, "Open");
    EXPECT_EQ(OpenAddress("file://" + page.toStdString()), PageOpening::NoSuchFile);
    EXPECT_TRUE(recorder.opened.isEmpty());
    WriteFile(page, "<html></html>");
    EXPECT_EQ(OpenAddress("file://" + page.toStdString()), PageOpening::Opened);
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(recorder.opened.size(), 1);
    EXPECT_EQ(recorder.opened[0].toLocalFile(), page);
}

TEST(WavePlayer, OpensOnlyWaveFilesAndPlaysSilentlyWithoutSound) {
    QTemporaryDir folder;
    const QString wave = folder.filePath("tada.wav");
    WriteFile(wave, std::string("RIFF\x24\0\0\0WAVEfmt ", 16));
    const QString text = folder.filePath("chimes.wav");
    WriteFile(text, "not a sound");
    EXPECT_TRUE(IsWaveFile(wave.toStdString()));
    EXPECT_FALSE(IsWaveFile(text.toStdString()));
    EXPECT_FALSE(IsWaveFile(folder.filePath("missing.wav").toStdString()));

    WavePlayer player;
    player.SetFileName(text.toStdString());
    EXPECT_FALSE(player.Open());
    player.Play();  // not open: nothing happens
    player.SetFileName(wave.toStdString());
    EXPECT_TRUE(player.Open());
    player.Play();
    player.Play();
    player.Stop();
    player.SetFileName(text.toStdString());
    EXPECT_FALSE(player.IsOpen());
}

int PdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QString content = QString::fromLatin1(file.readAll());
    return static_cast<int>(content.count(QRegularExpression("/Type\\s*/Page[^s]")));
}

TEST(PagePrinter, PrintsPagesOfLinesIntoAPdfFile) {
    QTemporaryDir folder;
    const QString path = folder.filePath("workspace.pdf");
    PagePrinter printer;
    std::string error;
    ASSERT_TRUE(printer.BeginPdf(path.toStdString(), "QORA Output", error)) << error;
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    printer.SetFont(font);
    EXPECT_EQ(printer.Resolution(), PdfPixelsPerInch);
    EXPECT_GT(printer.PageHeight(), printer.PageWidth());
    const int lineHeight = printer.LineHeight();
    EXPECT_GT(lineHeight, 50);  // a 10-point line at 600 pixels per inch is about 83 pixels
    const int linesPerPage = (printer.PageHeight() - 240) / lineHeight;
    int y = 120;
    for (int line = 0; line < linesPerPage * 2 + 5; ++line) {
        if (y + lineHeight > printer.PageHeight() - 120) {
            printer.NewPage();
            y = 120;
        }
        printer.DrawText(120, y, "QORA?: AEINRST \xD1");
        y += lineHeight;
    }
    EXPECT_TRUE(printer.EndDocument(error)) << error;
    EXPECT_EQ(printer.PageCount(), 3);
    EXPECT_EQ(PdfPageCount(path), 3);
    EXPECT_FALSE(printer.Printing());
}

TEST(PagePrinter, APdfFileCutShortLeavesTheOldFile) {
    QTemporaryDir folder;
    const std::string path = folder.filePath("workspace.pdf").toStdString();
    std::ofstream(path) << "old pages";
    PagePrinter printer;
    std::string error;
    ASSERT_TRUE(printer.BeginPdf(path, "QORA Output", error)) << error;
    for (int page = 0; page < 20; ++page) {
        printer.DrawText(120, 120, "QORA?: AEINRST");
        printer.NewPage();
    }
    {
        FileSizeLimit full(2000);
        EXPECT_FALSE(printer.EndDocument(error));
    }
    EXPECT_EQ(error.rfind("Cannot write the file " + path + ": ", 0), 0u) << error;
    std::ifstream file(path);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), "old pages");
}

TEST(PagePrinter, AnUnwritableFileIsReportedAndNothingIsPrinted) {
    PagePrinter printer;
    std::string error;
    EXPECT_FALSE(printer.BeginPdf("/no such folder/out.pdf", "QORA Output", error));
    EXPECT_EQ(error, "Cannot write the file /no such folder/out.pdf.");
    EXPECT_FALSE(printer.Printing());
    printer.DrawText(0, 0, "ignored");
    printer.NewPage();
    EXPECT_FALSE(printer.EndDocument(error));
}

TEST(Clipboard, HoldsPlainCodePageText) {
    SetClipboardText(
        "MA\xD1"
        "ANA");
    EXPECT_EQ(ClipboardText(),
              "MA\xD1"
              "ANA");
}

}  // namespace
}  // namespace qora

#include "ServicesTest.moc"
