#include "platform/qt/RadioGroup.h"

#include "platform/qt/Text.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QRadioButton>

namespace qora {

RadioGroup::RadioGroup(const char* caption, std::initializer_list<const char*> items, QWidget* parent)
    : QGroupBox(FromCodePage(caption), parent), grid_(new QGridLayout(this)), group_(new QButtonGroup(this)) {
    for (const char* text : items) {
        auto* item = new QRadioButton(FromCodePage(text), this);
        const int index = static_cast<int>(items_.size());
        group_->addButton(item, index);
        grid_->addWidget(item, index, 0);
        items_.push_back(item);
    }
    grid_->setColumnStretch(1, 1);
    connect(group_, &QButtonGroup::idClicked, this, &RadioGroup::clicked);
}

int RadioGroup::ItemIndex() const { return group_->checkedId(); }

void RadioGroup::SetItemIndex(int index) {
    if (index >= 0 && index < Count()) {
        items_[static_cast<std::size_t>(index)]->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked: clear it with the group off.
    group_->setExclusive(false);
    for (QRadioButton* item : items_) item->setChecked(false);
    group_->setExclusive(true);
}

void RadioGroup::AddBeside(int index, QWidget* control) {
    auto* row = qobject_cast<QHBoxLayout*>(grid_->itemAtPosition(index, 1) ? grid_->itemAtPosition(index, 1)->layout()
                                                                           : nullptr);
    if (row == nullptr) {
        row = new QHBoxLayout;
        row->addStretch(1);
        grid_->addLayout(row, index, 1);
    }
    row->insertWidget(row->count() - 1, control);
}

}  // namespace qora
