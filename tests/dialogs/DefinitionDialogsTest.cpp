// The definition filter editor and the Show Definitions dialog: the texts they
// show and type.
#include "dialogs/DefinitionFilterDialog.h"
#include "dialogs/ShowDefinitionsDialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "platform/qt/CommitComboBox.h"
#include "support/qt/CommandDialogTest.h"
#include "support/qt/WidgetInput.h"

namespace qora {
namespace {

class DefinitionDialogsTest : public CommandDialogTest {
protected:
    void OpenFilter(std::uint8_t sense, const std::string& stored) {
        DisplayedSettings.DefinitionFilter = {1, sense, stored};
        ClearLine();
        filter.hide();
        Open(filter);
    }
    void OpenSearch() {
        ClearLine();
        search.hide();
        Open(search);
    }

    TEditQFDefn filter;
    TShowDefnsDlg search;
};

TEST_F(DefinitionDialogsTest, TheFilterOpensOnItsTypedFormAndOKAlwaysTypesIt) {
    struct Case {
        std::uint8_t sense;
        const char* stored;
        const char* relation;
        const char* shown;
        const char* typed;
    };
    // How a stored text is typed is the filter texts' own table.
    const Case cases[] = {
        {0, "noun ", "doesn't include", "|noun", "/\"!|noun\" "},
        {1, "", "includes", "", "/\"\" "},
        {1, " a text of thirty characters  ", "includes", "a text of thirty characters ",
         "/\"a text of thirty characters \" "},  // a longer text from the line is kept whole
    };
    for (const Case& c : cases) {
        OpenFilter(c.sense, c.stored);
        EXPECT_EQ(filter.Relop->currentText().toStdString(), c.relation) << c.stored;
        EXPECT_EQ(filter.String->text().toStdString(), c.shown) << c.stored;
        EXPECT_TRUE(filter.String->hasFocus());
        filter.OK->click();
        EXPECT_EQ(Typed(), c.typed);
    }
}

TEST_F(DefinitionDialogsTest, TheFilterTypesTheRelationChosenAndTheTextAsTyped) {
    OpenFilter(1, " noun ");
    PickWithMouse(*filter.Relop, 1);
    EXPECT_TRUE(filter.String->hasFocus());
    Retype(*filter.String, "|plural");
    filter.OK->click();
    EXPECT_EQ(Typed(), "/\"!|plural\" ");

    OpenFilter(1, " noun ");
    Retype(*filter.String, "a \"quoted\" text that runs on");
    EXPECT_EQ(filter.String->text(), "a quoted text that r") << "no quote, at most 20 characters";
    filter.Relop->setFocus();
    QTest::keyClick(filter.Relop, Qt::Key_Down);
    QTest::keyClick(filter.Relop, Qt::Key_Return);
    EXPECT_FALSE(filter.isVisible());
    EXPECT_EQ(Typed(), "/\"!a quoted text that r\" ") << "the keyed relation counts";

    OpenFilter(1, " noun ");
    ExpectHelpKeepsDialogOpen(filter, *filter.Help);
    QTest::keyClick(filter.String, Qt::Key_Escape);
    EXPECT_EQ(Typed(), "");
}

TEST_F(DefinitionDialogsTest, TheSearchJoinsItsTextsWithTheConnectiveShown) {
    struct Case {
        const char* first;
        int connective;
        const char* second;
        const char* typed;
    };
    // Which texts make a search is the search text's own table.
    const Case cases[] = {
        {"|to", 3, "verb|", "/SD \"|to\" | \"verb|\" "},
        {"noun", 1, "", ""},                  // a connective without its second text
        {"noun", 0, "and", "/SD \"noun\" "},  // the hidden second text is ignored
    };
    for (const Case& c : cases) {
        OpenSearch();
        Retype(*search.String1, c.first);
        PickWithMouse(*search.Relop, c.connective == 0 ? 1 : c.connective);
        Retype(*search.String2, c.second);
        if (c.connective == 0) PickWithMouse(*search.Relop, 0);
        EXPECT_EQ(search.String2->isHidden(), c.connective == 0);
        EXPECT_TRUE((c.connective == 0 ? search.String1 : search.String2)->hasFocus()) << c.typed;
        search.OK->click();
        EXPECT_FALSE(search.isVisible());
        EXPECT_EQ(Typed(), c.typed);
    }
}

TEST_F(DefinitionDialogsTest, TheSearchKeepsItsTextsAndConnectiveBetweenShowings) {
    OpenSearch();
    EXPECT_TRUE(search.String2->isHidden());
    Retype(*search.String1, "noun");
    PickWithMouse(*search.Relop, 2);
    Retype(*search.String2, "plural");
    QTest::keyClick(search.String2, Qt::Key_Escape);
    EXPECT_EQ(Typed(), "");
    OpenSearch();
    EXPECT_EQ(search.String1->text(), "noun");
    EXPECT_EQ(search.Relop->currentIndex(), 2);
    EXPECT_FALSE(search.String2->isHidden());
    EXPECT_EQ(search.String2->text(), "plural");
    ExpectHelpKeepsDialogOpen(search, *search.Help);
    QTest::keyClick(search.String1, Qt::Key_Return);
    EXPECT_EQ(Typed(), "/SD \"noun\" &! \"plural\" ");
}

TEST_F(DefinitionDialogsTest, Layout) {
    ExpectSoundLayoutInBothLanguages(filter, "definition-filter");
    OpenSearch();
    PickWithMouse(*search.Relop, 1);
    ExpectSoundLayoutInBothLanguages(search, "show-definitions");
}

}  // namespace
}  // namespace qora
