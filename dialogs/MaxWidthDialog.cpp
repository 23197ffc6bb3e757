#include "dialogs/MaxWidthDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "platform/qt/SpinField.h"
#include "processor/Console.h"
#include "processor/Settings.h"

namespace qora {

QPointer<TEditMaxWidthDlg> EditMaxWidthDlg;
QPointer<TEditRowsPerPageDlg> EditRowsPerPageDlg;

namespace {

constexpr int WidthSpinColumns = 3;
constexpr int RowsSpinColumns = 5;

SpinField* NewSpin(int columns, int minimum, int maximum, int position, QWidget* parent) {
    auto* spin = new SpinField(columns, parent);
    spin->SetRange(minimum, maximum);
    spin->SetPosition(position);
    return spin;
}

QRadioButton* NewRadio(const char* caption, QWidget* parent) {
    return new QRadioButton(QString::fromLatin1(caption), parent);
}

}  // namespace

// ---- Maximum width ---------------------------------------------------------------

TEditMaxWidthDlg::TEditMaxWidthDlg(QWidget* parent)
    : QoraDialog(" Maximum Width for Slate Presentation", 440, 170, parent) {
    const MaxWidthChoice initial;
    auto* layout = new QVBoxLayout(this);
    WorkspaceWidth = NewRadio("Workspace width - varies with resizing or font changing", this);
    NumCharacters = NewRadio("Number of characters:", this);
    NumCharactersValue = NewSpin(WidthSpinColumns, WidthCharactersMin, WidthCharactersMax, initial.Characters, this);
    NumCharactersUpDown = NumCharactersValue->Arrows();
    WorkspaceSize = new QPushButton(QStringLiteral("Set to Workspace Width"), this);
    NumColumns = NewRadio("Number of columns:", this);
    NumColumnsValue = NewSpin(WidthSpinColumns, WidthColumnsMin, WidthColumnsMax, initial.Columns, this);
    NumColumnsUpDown = NumColumnsValue->Arrows();
    auto* grid = new QGridLayout;
    grid->addWidget(WorkspaceWidth, 0, 0, 1, 3);
    grid->addWidget(NumCharacters, 1, 0);
    grid->addWidget(NumCharactersValue, 1, 1);
    grid->addWidget(WorkspaceSize, 1, 2, Qt::AlignLeft);
    grid->addWidget(NumColumns, 2, 0);
    grid->addWidget(NumColumnsValue, 2, 1);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);
    layout->addStretch(1);
    AddCommandButtons(*this, *layout);
    WorkspaceWidth->setChecked(true);
    WorkspaceSize->setFocus();
    connect(WorkspaceSize, &QPushButton::clicked, this, &TEditMaxWidthDlg::WorkspaceSizeClick);
    connect(OK, &QPushButton::clicked, this, &TEditMaxWidthDlg::OKClick);
}

MaxWidthChoice TEditMaxWidthDlg::Choice() const {
    const WidthKind kind = WorkspaceWidth->isChecked()  ? WidthKind::Workspace
                           : NumCharacters->isChecked() ? WidthKind::Characters
                                                        : WidthKind::Columns;
    return {kind, NumCharactersValue->Position(), NumColumnsValue->Position()};
}

void TEditMaxWidthDlg::ShowChoice(const MaxWidthChoice& choice) {
    (choice.Kind == WidthKind::Workspace    ? WorkspaceWidth
     : choice.Kind == WidthKind::Characters ? NumCharacters
                                            : NumColumns)
        ->setChecked(true);
    NumCharactersValue->SetPosition(choice.Characters);
    NumColumnsValue->SetPosition(choice.Columns);
}

void TEditMaxWidthDlg::ResetSpins() {
    MaxWidthChoice choice = Choice();
    if (WorkspaceColumns > 0) choice.Characters = WorkspaceWidthCharacters(WorkspaceColumns);
    choice.Columns = MaxWidthChoice{}.Columns;
    ShowChoice(choice);
}

void TEditMaxWidthDlg::FormActivate() { ShowChoice(MaxWidthChoiceOf(DisplayedSettings, Choice())); }

void TEditMaxWidthDlg::WorkspaceSizeClick() {
    NumCharactersValue->SetPosition(WorkspaceWidthCharacters(WorkspaceColumns));
}

void TEditMaxWidthDlg::OKClick() {
    AppendToCommandLine(MaxWidthCommand(Choice()));
    CloseWithResult(mrOk);
}

// ---- Rows per page -------------------------------------------------------------

TEditRowsPerPageDlg::TEditRowsPerPageDlg(QWidget* parent)
    : QoraDialog(" Rows per Page for Slate Presentation", 420, 150, parent) {
    auto* layout = new QVBoxLayout(this);
    NumRows = NewRadio("Number of rows per page:", this);
    NumRowsValue = NewSpin(RowsSpinColumns, RowsPerPageMin, RowsPerPageMax, RowsChoice{}.Rows, this);
    NumRowsUpDown = NumRowsValue->Arrows();
    Label1 = new QLabel(QStringLiteral("The above setting applies only to presentations in columns."), this);
    Unlimited = NewRadio("Unlimited - no paging", this);
    auto* rows = new QHBoxLayout;
    rows->addWidget(NumRows);
    rows->addWidget(NumRowsValue);
    rows->addStretch(1);
    layout->addLayout(rows);
    layout->addWidget(Label1);
    layout->addWidget(Unlimited);
    layout->addStretch(1);
    AddCommandButtons(*this, *layout);
    NumRows->setChecked(true);
    NumRowsUpDown->setFocus();
    connect(OK, &QPushButton::clicked, this, &TEditRowsPerPageDlg::OKClick);
}

RowsChoice TEditRowsPerPageDlg::Choice() const { return {Unlimited->isChecked(), NumRowsValue->Position()}; }

void TEditRowsPerPageDlg::ShowChoice(const RowsChoice& choice) {
    (choice.Unlimited ? Unlimited : NumRows)->setChecked(true);
    NumRowsValue->SetPosition(choice.Rows);
}

void TEditRowsPerPageDlg::ResetSpins() {
    RowsChoice choice = Choice();
    choice.Rows = RowsChoice{}.Rows;
    ShowChoice(choice);
}

void TEditRowsPerPageDlg::FormActivate() { ShowChoice(RowsChoiceOf(DisplayedSettings.RowsPerPage, Choice())); }

void TEditRowsPerPageDlg::OKClick() {
    if (const auto command = RowsPerPageCommand(Choice(), DisplayedSettings.RowsPerPage)) AppendToCommandLine(*command);
    CloseWithResult(mrOk);
}

}  // namespace qora
