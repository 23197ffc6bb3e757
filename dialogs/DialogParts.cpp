#include "dialogs/DialogParts.h"

#include <QBoxLayout>
#include <QPushButton>

namespace qora {

ConfirmButtons AddConfirmButtons(QoraDialog& dialog, QBoxLayout& layout, const char* okText) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    ConfirmButtons buttons{new QPushButton(QString::fromLatin1(okText), &dialog),
                           new QPushButton(QStringLiteral("Cancel"), &dialog)};
    buttons.OK->setDefault(true);
    dialog.SetModalResult(*buttons.Cancel, mrCancel);
    row->addWidget(buttons.OK);
    row->addWidget(buttons.Cancel);
    layout.addLayout(row);
    return buttons;
}

}  // namespace qora
