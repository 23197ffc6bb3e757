#include "platform/qt/ScrollingPage.h"

#include <QScrollArea>
#include <QVBoxLayout>

namespace qora {

QWidget& ScrollingContent(QWidget& page) {
    auto* area = new QScrollArea(&page);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    auto* content = new QWidget;
    area->setWidget(content);
    auto* layout = new QVBoxLayout(&page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    return *content;
}

}  // namespace qora
