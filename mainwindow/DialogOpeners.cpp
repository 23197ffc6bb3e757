#include "mainwindow/DialogOpeners.h"

#include <QScreen>

#include "dialogs/DialogParts.h"
#include "dialogs/HelpDialog.h"
#include "dialogs/TourneyInfoDialog.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/MainWindow.h"
#include "platform/Scaling.h"
#include "platform/qt/Screen.h"

namespace qora {

namespace {

// The information window's outer size, and the smallest main window it is
// centred on (both at 96 pixels per inch).
constexpr int InfoWidth = 798;
constexpr int InfoHeight = 575;
constexpr int InfoCentredFromWidth = 801;
constexpr int InfoCentredFromHeight = 601;

// Centred on a main window of at least 801 x 601; on a smaller one it fills
// the screen from the main window's top-left corner.
QPoint PlaceInfoWindow(TForm2& form, QWidget& info) {
    const QRect main = form.frameGeometry();
    const bool centred = main.width() >= Scaled(InfoCentredFromWidth) && main.height() >= Scaled(InfoCentredFromHeight);
    const QSize outer =
        centred ? QSize(Scaled(InfoWidth), Scaled(InfoHeight)) : form.screen()->availableGeometry().size();
    info.setFixedSize(outer - (OuterSizeOf(info) - info.size()));
    return centred ? CenteredOn(info, main) : main.topLeft();
}

}  // namespace

void PlugCommandDialogs(TForm2& form) {
    PlugHelpWindows(form);
    PlugQueryDialogs(form);
    PlugPresentationDialogs(form);
    PlugOptionDialogs(form);
    PlugFilterDialogs(form);
    PlugSetDialogs(form);
    PlugWordlistDialogs(form);
}

void PlugHelpWindows(TForm2& form) {
    const MainMenus& menus = form.Menus();
    FormOf(HelpDlg, &form);
    form.PlugAction({menus.MenuHelpContents}, [] { ShowHelpWindow(); });
    form.PlugDialog({menus.MenuHelpAdjudications},
                    {&FormOf(InfoDlg, &form), [&form](QWidget& info) { return PlaceInfoWindow(form, info); }, nullptr,
                     DialogOpener::WhenLineHasError::Open});
}

}  // namespace qora
