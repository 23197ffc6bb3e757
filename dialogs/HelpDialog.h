// The help window, THelpDlg: its buttons open the program's documentation
// pages (the folder "doc" beside the program) or the web copy of the user
// guide with the system's handler, and close the window; a page that did not
// open is reported with its file or address. Every Help button of the dialogs
// and the Help menu show it through ShowHelpWindow.
#pragma once

#include <QPointer>
#include <string_view>

#include "platform/qt/Dialogs.h"

class QLabel;
class QPushButton;

namespace qora {

// The documentation pages, relative to the program's folder.
inline constexpr std::string_view UserGuidePage = "doc/qora_user_guide.html";
inline constexpr std::string_view FirstStepsPage = "doc/qoras_first.html";
inline constexpr std::string_view CommonQueriesPage = "doc/qora_common_queries.html";
inline constexpr std::string_view TourneyAdjudicationsPage = "doc/qora_tourney_adjudications.html";
// The web copy of the user guide.
inline constexpr std::string_view WebUserGuideAddress = "https://qora.example.org/doc/qora_user_guide.html";

class THelpDlg : public QoraDialog {
    Q_OBJECT

public:
    explicit THelpDlg(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* QorasFirst;
    QPushButton* CommonQueries;
    QPushButton* LocalVersion;
    QPushButton* WebVersion;
    QPushButton* Cancel;

private:
    void LocalVersionClick();
    void QorasFirstClick();
    void CommonQueriesClick();
    void WebVersionClick();
};

extern QPointer<THelpDlg> HelpDlg;

// Opens a page beside the program, then closes `form` (whatever the page
// did) and reports a page that did not open.
void OpenPageAndClose(QoraDialog& form, std::string_view page);

// Shows the help window modally over the lower part of the main window (the
// window holding the workspace): as wide as its central panel, with its
// bottom on the workspace's bottom; then gives the workspace the focus. The
// window is made on first use.
void ShowHelpWindow();

}  // namespace qora
