#include "mainwindow/About.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "engine/Lexicons.h"
#include "support/TestLexicon.h"
#include "support/qt/SmallDialogTest.h"

namespace qora {
namespace {

class AboutBoxTest : public SmallDialogTest {
protected:
    void SetUp() override {
        SmallDialogTest::SetUp();
        folder.Add("ENGLISH.QLX", {"CAT"}, Language::English, {.shortName = {}, .longName = "English Club Words"});
        folder.Add("SPANISH.QLX", {"CHICO"}, Language::Spanish);
    }

    QString Lexicons() const { return about.Lexicons->toPlainText(); }

    TestLexiconFolder folder;
    TAboutBox about;
};

TEST_F(AboutBoxTest, ShowsTheProgramAndTheLexiconsWithTheirRoles) {
    folder.Load(1, 0, 1);
    Open(about);
    EXPECT_EQ(about.ProductName->text(), "QORA");
    EXPECT_TRUE(about.Version->text().startsWith("Version ")) << about.Version->text().toStdString();
    EXPECT_EQ(Lexicons(),
              "ENGLISH - English Club Words (English): secondary\n"
              "SPANISH - SPANISH (Spanish): primary, challenge\n");
    about.OK->click();
    EXPECT_FALSE(about.isVisible());

    folder.Load(0, -1, 1);
    Open(about);
    EXPECT_EQ(Lexicons(),
              "ENGLISH - English Club Words (English): primary\n"
              "SPANISH - SPANISH (Spanish): challenge\n")
        << "every showing lists the lexicons afresh";
}

TEST_F(AboutBoxTest, Layout) {
    folder.Add("LONG.QLX", {"CAT"}, Language::French,
               {.shortName = std::string(15, 'W'),
                .longName = "The Longest Lexicon Name That Fits Its Header Of 63 Characters"});
    folder.Load(2, 0, 1);
    Open(about);
    ExpectSoundLayout(about, "about-box");
}

}  // namespace
}  // namespace qora
