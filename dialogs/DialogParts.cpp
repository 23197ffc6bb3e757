#include "dialogs/DialogParts.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "dialogs/HelpDialog.h"
#include "platform/qt/Focus.h"
#include "platform/qt/Text.h"

namespace qora {

namespace {

ConfirmButtons AddButtonRow(QoraDialog& dialog, QBoxLayout& layout, const char* okText, bool withHelp) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    ConfirmButtons buttons{new QPushButton(QString::fromLatin1(okText), &dialog),
                           new QPushButton(QStringLiteral("Cancel"), &dialog)};
    buttons.OK->setDefault(true);
    dialog.SetModalResult(*buttons.Cancel, mrCancel);
    row->addWidget(buttons.OK);
    row->addWidget(buttons.Cancel);
    if (withHelp) {
        buttons.Help = NewHelpButton(dialog);
        row->addWidget(buttons.Help);
    }
    layout.addLayout(row);
    return buttons;
}

}  // namespace

ConfirmButtons AddConfirmButtons(QoraDialog& dialog, QBoxLayout& layout, const char* okText) {
    return AddButtonRow(dialog, layout, okText, false);
}

void AddCommandButtons(QoraDialog& dialog, QBoxLayout& layout, QPushButton*& ok, QPushButton*& cancel,
                       QPushButton*& help) {
    const ConfirmButtons buttons = AddButtonRow(dialog, layout, "OK", true);
    ok = buttons.OK;
    cancel = buttons.Cancel;
    help = buttons.Help;
}

QPushButton* NewHelpButton(QoraDialog& dialog) {
    auto* help = new QPushButton(QStringLiteral("Help"), &dialog);
    QObject::connect(help, &QPushButton::clicked, &dialog, [] { ShowHelpWindow(); });
    return help;
}

void ClickIfEnabled(QAbstractButton& button) {
    if (button.isEnabled()) button.click();
}

CommandPage::CommandPage(QoraDialog& dialog)
    : QWidget(&dialog),
      OK(new QPushButton(QStringLiteral("OK"), this)),
      Help(NewHelpButton(dialog)),
      body_(new QVBoxLayout) {
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body_, 1);
    auto* foot = new QHBoxLayout;
    foot->addStretch(1);
    foot->addWidget(OK);
    foot->addWidget(Help);
    layout->addLayout(foot);
    OK->setAutoDefault(false);
    Help->setAutoDefault(false);
}

void CommandPage::UpdateOK(bool allowed) { OK->setEnabled(allowed && Composable()); }

QWidget* CommandPage::Home() const { return OK->isEnabled() ? OK : nullptr; }

void CommandPage::FocusHome() {
    if (QWidget* home = Home()) MoveFocus(*home);
}

void CommandPage::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    FocusHome();
}

QLabel* NewWrappedLabel(const char* text, QWidget& parent) {
    auto* label = new QLabel(FromCodePage(text), &parent);
    label->setWordWrap(true);
    return label;
}

void AddCentred(QBoxLayout& layout, std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QWidget* widget : widgets) row->addWidget(widget);
    row->addStretch(1);
    layout.addLayout(row);
}

}  // namespace qora
