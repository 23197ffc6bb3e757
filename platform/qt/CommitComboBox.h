// A drop-down list that takes a new item the way every list of the windows
// does: a mouse pick from the dropped-down list takes effect at once, a change
// made with the keyboard only when the focus leaves the list.
//
// The list keeps the committed item index and two flags, dropped-down and
// key-navigation, driven by five handlers:
//   Enter    (the focus arrives): committed := the item shown; flags cleared.
//   DropDown (the list opens):    dropped-down set.
//   KeyDown:  Esc clears both flags; Up, Down and Space set key-navigation, and
//             Space also shows the next item, from the last back to the first.
//   Click    (an item chosen):    only while dropped-down is set; with
//             key-navigation set it just clears that flag; otherwise the item
//             shown is committed, or, when it is the committed one already,
//             the list is only left for its next control.
//   Exit     (the focus leaves):  an item shown that differs from the committed
//             one is committed.
// Enter and Exit do nothing while ProgramMovingFocus is set. Committing emits
// committed(index), whose receivers store and apply the item, and then gives
// the focus to the next control (when one is set and it can take the focus).
//
// An item longer than the box is shown cut with "..." (at its end unless
// the list says otherwise); the dropped-down list shows it whole.
#pragma once

#include "platform/KeyCodes.h"

#include <QComboBox>
#include <string>
#include <vector>

namespace qora {

class CommitComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit CommitComboBox(QWidget* parent = nullptr);

    int CommittedIndex() const { return committedIndex_; }
    void SetCommittedIndex(int index) { committedIndex_ = index; }
    bool DroppedDown() const { return droppedDown_; }
    bool KeyNavigation() const { return keyNavigation_; }

    // The control that takes the focus after a commit or a re-pick; none by
    // default, so that a dialog can move the focus itself.
    void SetNextControl(QWidget* next) { nextControl_ = next; }

    // Where an item too long for the box is cut (Qt::ElideRight by default).
    void SetElideMode(Qt::TextElideMode mode) { elideMode_ = mode; }

    // Replaces the items with `items` (code-page text) and shows item `shown`
    // (-1: none) as the committed one. The popup widens itself to the longest
    // item.
    void SetItems(const std::vector<std::string>& items, int shown);

    // Commits the item shown when it differs from the committed one. An OK
    // button's handler calls it first, so that a change made with the keyboard
    // counts even while the focus is still in the list (Enter pressed there).
    void CommitShown();

    void showPopup() override;  // the DropDown handler, then the list opens
    void hidePopup() override;

signals:
    void entered(int index);         // the focus arrived; index is the item shown
    void committed(int index);       // a different item was taken
    void reselected();               // the committed item was picked again with the mouse
    void keyDown(KeyStroke stroke);  // after the flags changed, before the list moves

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Enter();
    void DropDown();
    bool KeyDown(KeyStroke stroke);  // true when the key is used up
    void Click();
    void Exit();
    void Commit(int index);
    void MoveToNextControl();
    void ShowNextItem();

    int committedIndex_ = -1;
    bool droppedDown_ = false;
    bool keyNavigation_ = false;
    bool focusInside_ = false;  // between Enter and Exit
    bool popupOpen_ = false;    // focus changes meanwhile are the popup's
    QWidget* nextControl_ = nullptr;
    Qt::TextElideMode elideMode_ = Qt::ElideRight;
};

// Lists and boxes whose items may be long are laid out `columns` characters
// wide and take the width their row gives them.
void LimitListWidth(QComboBox& list, int columns);

}  // namespace qora
