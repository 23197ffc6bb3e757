#include "platform/qt/MessageBoxes.h"

#include "platform/qt/Text.h"

#include <QApplication>
#include <QMessageBox>

namespace qora {

namespace {

QMessageBox::StandardButton ShowBox(QMessageBox::Icon icon, std::string_view text, std::string_view caption,
                                    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton escape) {
    QMessageBox box(icon, FromCodePage(caption), FromCodePage(text), buttons, QApplication::activeWindow());
    box.setEscapeButton(escape);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void ShowWarning(std::string_view text, std::string_view caption) {
    ShowBox(QMessageBox::Warning, text, caption, QMessageBox::Cancel, QMessageBox::Cancel);
}

void ShowInformation(std::string_view text, std::string_view caption) {
    ShowBox(QMessageBox::Information, text, caption, QMessageBox::Ok, QMessageBox::Ok);
}

void ShowError(std::string_view text, std::string_view caption) {
    ShowBox(QMessageBox::Critical, text, caption, QMessageBox::Ok, QMessageBox::Ok);
}

ModalResult AskOkCancel(std::string_view text, std::string_view caption) {
    const auto answer =
        ShowBox(QMessageBox::Warning, text, caption, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
    return answer == QMessageBox::Ok ? mrOk : mrCancel;
}

ModalResult AskYesNo(std::string_view text, std::string_view caption) {
    const auto answer =
        ShowBox(QMessageBox::Question, text, caption, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes ? mrYes : mrNo;
}

}  // namespace qora
