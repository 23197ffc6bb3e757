// Reaches into the main window (`TForm2`) for a test, by the names the design
// gives its parts: a menu item by its captions, the pages of the two page
// controls, the command line's buttons, the right-hand column and the status
// bar's panels; and it stands in for the revert timer and the window system
// where a test gives their events itself. The one place that knows how the
// window is put together, so that tests follow no chains of its members.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <initializer_list>
#include <string_view>

#include "mainwindow/FilterControls.h"
#include "mainwindow/MainControls.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/OptionControls.h"
#include "mainwindow/PresentationControls.h"
#include "mainwindow/QueryControls.h"
#include "mainwindow/TimerPage.h"
#include "mainwindow/WordlistControls.h"
#include "support/qt/WidgetInput.h"

namespace qora::test {

class MainWindowDriver {
public:
    explicit MainWindowDriver(TForm2& form) : form_(form) {}

    // ---- The menus -----------------------------------------------------------
    // MenuItem({"Help", "Contents..."}): captions without "&" and shortcuts.
    QAction& MenuItem(std::initializer_list<std::string_view> captions) const {
        return qora::MenuItem(*form_.menuBar(), captions);
    }
    void Choose(std::initializer_list<std::string_view> captions) const { MenuItem(captions).trigger(); }

    // ---- The pages -------------------------------------------------------------
    QTabWidget& QueryOrPresentation() const { return *form_.QueryOrPresentation; }
    QTabWidget& Options() const { return *form_.Options; }
    QueryPage& QueryTab() const { return *form_.Controls->QueryTab; }
    FilterPage& FiltersTab() const { return *form_.Controls->FiltersTab; }
    WordlistsPage& WordlistsTab() const { return *form_.Controls->WordlistsTab; }
    PresentationPage& PresentationTab() const { return *form_.Controls->PresentationTab; }
    TimerPage& TimerTab() const { return form_.TimerTab(); }
    RandomRacksPage& RandomRacksTab() const { return *form_.Controls->RandomRacksTab; }
    CanonicalOutputPage& CanonicalOutputTab() const { return *form_.Controls->CanonicalOutputTab; }
    BoardPage& BoardTab() const { return *form_.Controls->BoardTab; }

    // ---- The command line's buttons, the right-hand column -----------------------
    QWidget& Command() const { return *form_.Command; }
    QPushButton& Perform() const { return *form_.Perform; }
    QPushButton& MakeLongTerm() const { return *form_.MakeLongTerm; }
    QPushButton& Challenge() const { return *form_.Challenge; }
    QPlainTextEdit& DefinitionsBox() const { return *form_.DefinitionsBox; }
    QListWidget& CommandHistoryBox() const { return form_.history_->CommandHistoryBox(); }

    // ---- The status bar ------------------------------------------------------------
    QString Indicators() const { return form_.IndicatorsPanel->text(); }
    QString Message() const { return form_.MessagePanel->text(); }
    QString WorkspaceSize() const { return form_.WorkspaceSizePanel->text(); }

    // ---- In place of the revert timer and the window system ----------------------
    QTimer& RevertTimer() const { return *form_.RevertTimer; }
    void RevertTimerTick() const { form_.RevertTimerTimer(); }
    // The program comes back from being minimised.
    void AppRestore() const { form_.AppRestore(); }
    // The status the program ends with.
    int ExitStatus() const { return form_.ExitStatus(); }

private:
    TForm2& form_;
};

}  // namespace qora::test
