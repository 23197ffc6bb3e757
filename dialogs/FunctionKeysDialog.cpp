#include "dialogs/FunctionKeysDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "platform/qt/Text.h"
#include "processor/FunctionKeys.h"
#include "processor/IniFile.h"

namespace qora {

QPointer<TFuncKeysDlg> FuncKeysDlg;

namespace {

enum Column { KeyColumn, MacroColumn, ReplaceColumn, RunColumn };

bool MacroCanBeKept(const QLineEdit& macro) {
    return FitsCodePage(macro.text()) && IsWritableFunctionKeyMacro(ToCodePage(macro.text()));
}

}  // namespace

TFuncKeysDlg::TFuncKeysDlg(QWidget* parent) : QoraDialog(" Function Keys", 620, 470, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(QStringLiteral("A function key puts its macro on the command line: it replaces the line or "
                                           "is added to its end, and the line may then be performed at once."),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    const char* const headings[] = {"Key", "Macro", "Replace", "Perform"};
    for (int column = KeyColumn; column <= RunColumn; ++column)
        grid->addWidget(new QLabel(QString::fromLatin1(headings[column]), this), 0, column);
    for (int key = 1; key <= FunctionKeyCount; ++key) {
        if (key == MenuFunctionKey) continue;
        KeyRow row{key, new QLineEdit(this), new QCheckBox(this), new QCheckBox(this)};
        row.Macro->setMaxLength(static_cast<int>(MaxFunctionKeyMacroLength));
        row.Replace->setToolTip(
            QStringLiteral("Checked: the macro replaces the command line; else it is added to its end"));
        row.Run->setToolTip(QStringLiteral("Checked: the command line is performed at once"));
        connect(row.Macro, &QLineEdit::textChanged, this, &TFuncKeysDlg::MacroChange);
        const int line = static_cast<int>(Rows.size()) + 1;
        auto* keyLabel = new QLabel(QStringLiteral("F%1").arg(key), this);
        keyLabel->setBuddy(row.Macro);
        grid->addWidget(keyLabel, line, KeyColumn);
        grid->addWidget(row.Macro, line, MacroColumn);
        grid->addWidget(row.Replace, line, ReplaceColumn, Qt::AlignHCenter);
        grid->addWidget(row.Run, line, RunColumn, Qt::AlignHCenter);
        Rows.push_back(row);
    }
    grid->setColumnStretch(MacroColumn, 1);
    layout->addStretch(1);
    AddConfirmButtons(*this, *layout);
    connect(OK, &QPushButton::clicked, this, &TFuncKeysDlg::OKClick);
}

const TFuncKeysDlg::KeyRow& TFuncKeysDlg::Row(int key) const {
    return Rows.at(static_cast<std::size_t>(key < MenuFunctionKey ? key - 1 : key - 2));
}

void TFuncKeysDlg::FormActivate() {
    for (const KeyRow& row : Rows) {
        const FunctionKey& key = FunctionKeys[row.Key - 1];
        row.Macro->setText(FromCodePage(key.Macro));
        row.Replace->setChecked(key.Replace);
        row.Run->setChecked(key.Run);
    }
    MacroChange();
    Rows.front().Macro->setFocus();
}

void TFuncKeysDlg::MacroChange() {
    bool allKept = true;
    for (const KeyRow& row : Rows) allKept = allKept && MacroCanBeKept(*row.Macro);
    OK->setEnabled(allKept);
}

void TFuncKeysDlg::OKClick() {
    for (const KeyRow& row : Rows)
        FunctionKeys[row.Key - 1] = {ToCodePage(row.Macro->text()), row.Replace->isChecked(), row.Run->isChecked()};
    CloseWithResult(mrOk);
}

void ShowFunctionKeyDialog(QWidget* parent) { OpenCentred(FuncKeysDlg, parent); }

}  // namespace qora
