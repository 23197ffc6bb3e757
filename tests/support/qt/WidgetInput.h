// Input as the user gives it, for widget tests.
#pragma once

class QComboBox;
class QString;
class QWidget;

namespace qora {

// Opens the drop-down list and clicks its item `index`.
void PickWithMouse(QComboBox& box, int index);

// Types the characters one key at a time, any character included (as a
// composed key, the way a keyboard layout gives a letter that QTest has no
// key for).
void TypeCharacters(QWidget& widget, const QString& text);

}  // namespace qora
