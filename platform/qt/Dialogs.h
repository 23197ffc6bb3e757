// Dialog forms: modal and modeless showing with modal results.
//
// The dialogs are created once at start-up and live until the program ends,
// so a form keeps its controls' state between showings; FormActivate() runs
// at every showing to set up what must be fresh. A form has a fixed client
// area given at 96 pixels per inch and scaled to the screen. A button given a
// modal result closes the form with that result after its own click
// handlers have run; a form closed by its caption's close button or by Esc
// ends with mrCancel.
#pragma once

#include <QDialog>
#include <string_view>

class QAbstractButton;

namespace qora {

enum ModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
};

class QoraDialog : public QDialog {
    Q_OBJECT

public:
    // caption: code-page text; clientWidth and clientHeight at 96 pixels per inch.
    QoraDialog(std::string_view caption, int clientWidth, int clientHeight, QWidget* parent = nullptr);

    void SetCaption(std::string_view caption);

    // Shows the form and waits until it closes; returns its modal result.
    ModalResult ShowModal();
    // Shows the form without waiting, in front and active.
    void ShowModeless();

    void CloseWithResult(ModalResult result);
    // Connect a button's own handlers first: the result closes the form last.
    void SetModalResult(QAbstractButton& button, ModalResult result);

protected:
    virtual void FormActivate() {}
    void showEvent(QShowEvent* event) override;
};

}  // namespace qora
