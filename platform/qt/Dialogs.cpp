#include "platform/qt/Dialogs.h"

#include "platform/Scaling.h"
#include "platform/qt/Text.h"

#include <QAbstractButton>
#include <QLayout>
#include <QShowEvent>

namespace qora {

QoraDialog::QoraDialog(std::string_view caption, int clientWidth, int clientHeight, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    SetCaption(caption);
    setFixedSize(Scaled(clientWidth), Scaled(clientHeight));
}

void QoraDialog::SetCaption(std::string_view caption) { setWindowTitle(FromCodePage(caption)); }

ModalResult QoraDialog::ShowModal() {
    setResult(mrNone);
    const int result = exec();
    return result == QDialog::Rejected ? mrCancel : static_cast<ModalResult>(result);
}

void QoraDialog::ShowModeless() {
    show();
    raise();
    activateWindow();
}

void QoraDialog::CloseWithResult(ModalResult result) {
    if (isModal())
        done(result);
    else {
        setResult(result);
        hide();
    }
}

void QoraDialog::SetModalResult(QAbstractButton& button, ModalResult result) {
    connect(&button, &QAbstractButton::clicked, this, [this, result] { CloseWithResult(result); });
}

void QoraDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    FormActivate();
    // Controls that FormActivate showed or hid take their places before the
    // form is first painted.
    if (layout() != nullptr) layout()->activate();
}

}  // namespace qora
