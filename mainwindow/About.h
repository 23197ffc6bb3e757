// The About dialog, TAboutBox: the program's name and version, what it is for,
// and the lexicons it found at start-up with the role each one plays now.
#pragma once

#include <QPointer>
#include <string>

#include "platform/qt/Dialogs.h"

class QLabel;
class QPushButton;
class QPlainTextEdit;

namespace qora {

// "Version 0.1"
std::string ProgramVersionText();

class TAboutBox : public QoraDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QLabel* ProductName;
    QLabel* Version;
    QLabel* Comments;
    // One line a lexicon: "SHORT - long name (language): roles", wrapped.
    QPlainTextEdit* Lexicons;
    QPushButton* OK;

protected:
    void FormActivate() override;
};

extern QPointer<TAboutBox> AboutBox;

// Opens the About dialog modally, centred on `parent`'s window.
void ShowAboutDialog(QWidget* parent);

}  // namespace qora
