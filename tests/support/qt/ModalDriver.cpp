#include "ModalDriver.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace qora {

void WhenModalOpens(std::function<void(QWidget& modal)> answer) {
    auto* timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    // An answer asked for while a modal window is open is meant for the next
    // one: the window open now may still be closing when the timer first
    // fires (a busy machine), and must not be answered twice.
    const QPointer<QWidget> openNow = QApplication::activeModalWidget();
    QObject::connect(timer, &QTimer::timeout, [timer, waited, openNow, answer = std::move(answer)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal == openNow.data()) modal = nullptr;
        if (modal == nullptr && ++*waited < 500) return;
        timer->stop();
        timer->deleteLater();
        if (modal != nullptr) answer(*modal);
    });
    timer->start(10);
}

void ChooseFile(QWidget& fileDialog, const std::string& path) {
    auto& dialog = dynamic_cast<QFileDialog&>(fileDialog);
    dialog.findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(path));
    static_cast<QDialog&>(dialog).accept();
}

}  // namespace qora
