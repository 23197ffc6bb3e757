// A radio group: a captioned frame of radio buttons, one item chosen at a
// time, read and set by its index as the dialogs do (-1 when none is chosen).
//
// Each item is a row; a dialog may put controls beside an item (the value
// that goes with it). Setting the index from the program emits nothing;
// clicked(index) reports the user's choice.
#pragma once

#include <QGroupBox>
#include <initializer_list>
#include <vector>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

namespace qora {

class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    // caption and items: code-page text.
    RadioGroup(const char* caption, std::initializer_list<const char*> items, QWidget* parent = nullptr);

    int ItemIndex() const;
    void SetItemIndex(int index);  // -1 clears the choice
    int Count() const { return static_cast<int>(items_.size()); }
    QRadioButton* Item(int index) const { return items_.at(static_cast<std::size_t>(index)); }

    // Puts a control to the right of an item, on its row, after those put
    // there before.
    void AddBeside(int index, QWidget* control);

signals:
    void clicked(int index);

private:
    QGridLayout* grid_;
    QButtonGroup* group_;
    std::vector<QRadioButton*> items_;
};

}  // namespace qora
