#include "mainwindow/ControlSupport.h"

#include "platform/qt/CommitComboBox.h"
#include "platform/qt/Focus.h"
#include "platform/qt/ScrollingPage.h"
#include "platform/qt/Text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace qora {

namespace {

constexpr const char* OpensDialogProperty = "qoraOpensDialog";

}  // namespace

void MarkDialogButton(QAbstractButton& button, ControlDialog dialog) {
    button.setProperty(OpensDialogProperty, static_cast<int>(dialog));
    button.setEnabled(false);
}

void SetDialogButtonsEnabled(QWidget& root, ControlDialog dialog, bool enabled) {
    for (QAbstractButton* button : root.findChildren<QAbstractButton*>()) {
        const QVariant opens = button->property(OpensDialogProperty);
        if (opens.isValid() && opens.toInt() == static_cast<int>(dialog)) button->setEnabled(enabled);
    }
}

namespace {

template <typename Button>
Button* ConnectedDialogButton(Button* button, ControlsHost& host, ControlDialog dialog) {
    MarkDialogButton(*button, dialog);
    QObject::connect(button, &QAbstractButton::clicked, [&host, dialog] { host.OpenDialog({dialog}); });
    return button;
}

}  // namespace

QPushButton* NewDialogButton(ControlsHost& host, ControlDialog dialog, const char* caption) {
    return ConnectedDialogButton(new QPushButton(caption), host, dialog);
}

QToolButton* NewValueButton(ControlsHost& host, ControlDialog dialog) {
    auto* button = new QToolButton;
    button->setText("...");
    return ConnectedDialogButton(button, host, dialog);
}

DialogBox::DialogBox(ControlsHost& host, ControlDialog dialog, int columns, QWidget* parent) : QComboBox(parent) {
    LimitListWidth(*this, columns);
    connect(this, &DialogBox::dropDown, [&host, dialog] { host.OpenDialog({dialog}); });
}

void DialogBox::SetText(std::string_view text) {
    const QString shown = FromCodePage(text);
    if (count() == 1 && itemText(0) == shown) return;
    clear();
    addItem(shown);
    setCurrentIndex(0);
    setToolTip(shown);  // a value longer than the box is read in full here
}

void DialogBox::showPopup() { emit dropDown(); }

void ShowChoice(CommitComboBox& list, int item, std::string_view absentText) {
    if (item < 0 || item >= list.count()) {
        item = -1;
        list.setPlaceholderText(FromCodePage(absentText));
    }
    list.setCurrentIndex(item);
    list.SetCommittedIndex(item);
}

CommitComboBox* NewTypingList(int columns) {
    auto* list = new CommitComboBox;
    LimitListWidth(*list, columns);
    QObject::connect(list, &CommitComboBox::reselected, [] { FocusWorkspace(); });
    return list;
}

PageRows::PageRows(QWidget& page) : grid_(new QGridLayout(&ScrollingContent(page))) { grid_->setColumnStretch(1, 1); }

void PageRows::Add(const char* caption, QWidget* control, QWidget* button) {
    Add(new QLabel(caption), control, button);
}

void PageRows::Add(QWidget* lead, QWidget* control, QWidget* button) {
    grid_->addWidget(lead, row_, 0);
    AddControl(1, control, button);
}

void PageRows::AddAcross(QWidget* control, QWidget* button) { AddControl(0, control, button); }

void PageRows::AddControl(int column, QWidget* control, QWidget* button) {
    grid_->addWidget(control, row_, column, 1, (button != nullptr ? 2 : 3) - column);
    if (button != nullptr) grid_->addWidget(button, row_, 2);
    ++row_;
}

void PageRows::AddFilling(QWidget* control) {
    grid_->setRowStretch(row_, 1);
    AddAcross(control);
}

void PageRows::AddAcross(QLayout* layout) { grid_->addLayout(layout, row_++, 0, 1, 3); }

void PageRows::End() { grid_->setRowStretch(row_, 1); }

}  // namespace qora
