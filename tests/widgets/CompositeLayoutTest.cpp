#include "platform/qt/CommitComboBox.h"
#include "platform/qt/Dialogs.h"
#include "platform/qt/NumberField.h"
#include "platform/qt/SpinField.h"
#include "support/qt/WidgetLayout.h"
#include "widgets/TileControls.h"

#include <gtest/gtest.h>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qora {
namespace {

// A filter editor built from the shared controls the way the dialogs use
// them: a relation list, two number fields, a spin field, the tile rows with
// their typing memo, and the OK, Cancel and Help buttons.
class SampleEditor : public QoraDialog {
public:
    explicit SampleEditor(Language language) : QoraDialog(" Query Filtering Based on Word Length", 760, 300) {
        auto* page = new QVBoxLayout(this);
        auto* memo = new TileTypingMemo;
        memo->SetLines({"Query results are to be constrained:"});
        memo->setFixedHeight(memo->fontMetrics().lineSpacing() + 8);
        page->addWidget(memo);

        auto* values = new QHBoxLayout;
        values->addWidget(new QLabel("Word Length is"));
        auto* relation = new CommitComboBox;
        relation->addItems({"x - y", "x < y", "   <", "  <=", "   !=", "   =", "  >=", "   >"});
        values->addWidget(relation);
        for (int value : {7, 15}) {
            auto* field = new NumberField(15);
            field->setFixedWidth(FieldWidthForDigits(*field, 15));
            field->ShowNumber(value);
            values->addWidget(field);
        }
        values->addWidget(new QLabel("Rows:"));
        auto* rows = new SpinField(5);
        rows->SetRange(8, 256);
        rows->SetPosition(55);
        values->addWidget(rows);
        values->addStretch();
        page->addLayout(values);

        auto* tiles = new TileControlRows(TileControlKind::CheckBox, 50);
        tiles->SetLanguage(language);
        page->addWidget(tiles);
        page->addStretch();

        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        for (const char* caption : {"OK", "Cancel", "Help"}) buttons->addWidget(new QPushButton(caption));
        page->addLayout(buttons);
    }
};

class CompositeLayout : public LayoutTest {};

TEST_F(CompositeLayout, SharedControlsFitTogetherInAFixedDialog) {
    for (Language language : {Language::English, Language::Spanish}) {
        SampleEditor editor(language);
        editor.show();
        EXPECT_EQ(LayoutFaults(editor), std::vector<std::string>{});
        SaveGrab(editor, language == Language::Spanish ? "sample-editor-spanish" : "sample-editor-english");
    }
}

}  // namespace
}  // namespace qora
