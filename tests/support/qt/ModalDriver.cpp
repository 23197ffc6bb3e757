#include "ModalDriver.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace qora {

void WhenModalOpens(std::function<void(QWidget& modal)> answer) {
    auto* timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, answer = std::move(answer)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr && ++*waited < 500) return;
        timer->stop();
        timer->deleteLater();
        if (modal != nullptr) answer(*modal);
    });
    timer->start(10);
}

}  // namespace qora
