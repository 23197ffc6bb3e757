#include "WidgetInput.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <algorithm>
#include <stdexcept>
#include <string>

namespace qora {

void PickWithMouse(QComboBox& box, int index) {
    box.showPopup();
    QAbstractItemView* list = box.view();
    // A narrow list's items may reach past its viewport: click inside both.
    const QRect item = list->visualRect(list->model()->index(index, 0)).intersected(list->viewport()->rect());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
}

void TypeCharacters(QWidget& widget, const QString& text) {
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(&widget, &press);
        QApplication::sendEvent(&widget, &release);
    }
}

namespace {

// An item's caption as the user reads it: "Cu&t\tCtrl+X" is "Cut".
std::string ReadCaption(const QAction& item) { return item.text().section('\t', 0, 0).remove('&').toStdString(); }

}  // namespace

QAction& MenuItem(const QMenuBar& bar, std::initializer_list<std::string_view> captions) {
    QList<QAction*> items = bar.actions();
    QAction* found = nullptr;
    std::string path;
    for (const std::string_view caption : captions) {
        path += (path.empty() ? "" : " > ") + std::string(caption);
        const auto match = std::find_if(items.begin(), items.end(),
                                        [&](const QAction* item) { return ReadCaption(*item) == caption; });
        if (match == items.end()) throw std::runtime_error("no menu item " + path);
        found = *match;
        items = found->menu() != nullptr ? found->menu()->actions() : QList<QAction*>{};
    }
    if (found == nullptr) throw std::runtime_error("no menu item named");
    return *found;
}

}  // namespace qora
