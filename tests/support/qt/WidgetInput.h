// Input as the user gives it, for widget tests.
#pragma once

#include <initializer_list>
#include <string_view>

class QAction;
class QComboBox;
class QMenuBar;
class QString;
class QWidget;

namespace qora {

// Opens the drop-down list and clicks its item `index`.
void PickWithMouse(QComboBox& box, int index);

// Types the characters one key at a time, any character included (as a
// composed key, the way a keyboard layout gives a letter that QTest has no
// key for).
void TypeCharacters(QWidget& widget, const QString& text);

// The menu item that the captions lead to, from the menu bar down, each as
// the user reads it (without its mnemonic's "&" and its shortcut):
// MenuItem(bar, {"Flashcards", "Move Current Card", "To Somewhere Else"}).
// Throws when there is no such item.
QAction& MenuItem(const QMenuBar& bar, std::initializer_list<std::string_view> captions);

}  // namespace qora
