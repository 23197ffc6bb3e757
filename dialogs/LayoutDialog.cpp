#include "dialogs/LayoutDialog.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "dialogs/MaxWidthDialog.h"
#include "platform/qt/RadioGroup.h"
#include "platform/qt/SpinField.h"
#include "processor/Console.h"
#include "processor/Settings.h"

namespace qora {

QPointer<TEditLayoutDlg> EditLayoutDlg;

namespace {

constexpr int SpinColumns = 5;

SpinField* NewLayoutSpin(QWidget* parent) {
    auto* spin = new SpinField(SpinColumns, parent);
    spin->SetRange(LayoutParameterMin, LayoutParameterMax);
    return spin;
}

}  // namespace

TEditLayoutDlg::TEditLayoutDlg(QWidget* parent) : QoraDialog(" Slate Presentation Layout", 400, 345, parent) {
    auto* layout = new QVBoxLayout(this);
    Orientation = new RadioGroup("Word Orientation",
                                 {"one per line", "packed rows, spacing =", "columnated rows", "columns"}, this);
    Svalue = NewLayoutSpin(Orientation);
    SvalueUpDown = Svalue->Arrows();
    UseComma = new QCheckBox(QStringLiteral("use comma"), Orientation);
    Orientation->AddBeside(PackedRowsItem, Svalue);
    Orientation->AddBeside(PackedRowsItem, UseComma);
    Spacing = new RadioGroup("Column Spacing",
                             {"minimal,      spacing =", "fixed-width,     width =", "expandable, width >="}, this);
    Mvalue = NewLayoutSpin(Spacing);
    Fvalue = NewLayoutSpin(Spacing);
    Xvalue = NewLayoutSpin(Spacing);
    MvalueUpDown = Mvalue->Arrows();
    FvalueUpDown = Fvalue->Arrows();
    XvalueUpDown = Xvalue->Arrows();
    Spacing->AddBeside(MinimalItem, Mvalue);
    Spacing->AddBeside(FixedWidthItem, Fvalue);
    Spacing->AddBeside(ExpandableItem, Xvalue);
    // A hidden spacing group keeps its place, so that the dialog keeps its shape.
    QSizePolicy keepPlace = Spacing->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    Spacing->setSizePolicy(keepPlace);
    layout->addWidget(Orientation);
    layout->addWidget(Spacing);
    layout->addStretch(1);
    AddCommandButtons(*this, *layout);
    ShowChoice(LayoutChoice{});
    Orientation->Item(OnePerLineItem)->setFocus();
    connect(Orientation, &RadioGroup::clicked, this, &TEditLayoutDlg::OrientationClick);
    connect(OK, &QPushButton::clicked, this, &TEditLayoutDlg::OKClick);
}

LayoutChoice TEditLayoutDlg::Choice() const {
    return {Orientation->ItemIndex(), UseComma->isChecked(), Spacing->ItemIndex(), Svalue->Position(),
            Mvalue->Position(),       Fvalue->Position(),    Xvalue->Position()};
}

void TEditLayoutDlg::ShowChoice(const LayoutChoice& choice) {
    Orientation->SetItemIndex(choice.Orientation);
    UseComma->setChecked(choice.UseComma);
    Spacing->SetItemIndex(choice.Spacing);
    Svalue->SetPosition(choice.PackedSpacing);
    Mvalue->SetPosition(choice.MinimalSpacing);
    Fvalue->SetPosition(choice.FixedWidth);
    Xvalue->SetPosition(choice.ExpandableWidth);
    OrientationClick();
}

void TEditLayoutDlg::ResetSpins() {
    const LayoutChoice initial;
    LayoutChoice choice = Choice();
    choice.PackedSpacing = initial.PackedSpacing;
    choice.MinimalSpacing = initial.MinimalSpacing;
    choice.FixedWidth = initial.FixedWidth;
    choice.ExpandableWidth = initial.ExpandableWidth;
    ShowChoice(choice);
}

void TEditLayoutDlg::FormActivate() {
    ShowChoice(LayoutChoiceOf(DisplayedSettings.OutputLayout, DisplayedSettings.LayoutParameter, Choice()));
}

void TEditLayoutDlg::OrientationClick() { Spacing->setVisible(SpacingShown(Orientation->ItemIndex())); }

void TEditLayoutDlg::OKClick() {
    AppendToCommandLine(LayoutCommand(Choice()));
    CloseWithResult(mrOk);
}

void ResetLayoutDialogs() {
    if (EditLayoutDlg) EditLayoutDlg->ResetSpins();
    if (EditMaxWidthDlg) EditMaxWidthDlg->ResetSpins();
    if (EditRowsPerPageDlg) EditRowsPerPageDlg->ResetSpins();
}

}  // namespace qora
