#include "WidgetInput.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QTest>

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

}  // namespace qora
