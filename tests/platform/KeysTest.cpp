#include "platform/qt/Keys.h"

#include <gtest/gtest.h>
#include <QKeyEvent>

namespace qora {
namespace {

KeyStroke Stroke(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent event(QEvent::KeyPress, qtKey, modifiers, text);
    return KeyStrokeOf(event);
}

TEST(KeyStrokeOf, LettersGiveTheUpperCaseCodeWithTheShiftState) {
    EXPECT_EQ(Stroke(Qt::Key_A, Qt::NoModifier, "a").key, 'A');
    const KeyStroke shifted = Stroke(Qt::Key_Q, Qt::ShiftModifier, "Q");
    EXPECT_EQ(shifted.key, 'Q');
    EXPECT_TRUE(shifted.Shift());
    EXPECT_FALSE(shifted.Ctrl());
    const KeyStroke both = Stroke(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(both.key, 'C');
    EXPECT_EQ(both.shift, ssShift | ssCtrl | ssAlt);
}

TEST(KeyStrokeOf, PunctuationKeysGiveTheirKeyPositionWithOrWithoutShift) {
    EXPECT_EQ(Stroke(Qt::Key_Comma, Qt::NoModifier, ",").key, KeyComma);
    EXPECT_EQ(Stroke(Qt::Key_Less, Qt::ShiftModifier, "<").key, KeyComma);
    EXPECT_EQ(Stroke(Qt::Key_Minus).key, KeyMinus);
    EXPECT_EQ(Stroke(Qt::Key_Equal).key, KeyEquals);
    EXPECT_EQ(Stroke(Qt::Key_Exclam, Qt::ShiftModifier, "!").key, '1');
    EXPECT_EQ(Stroke(Qt::Key_ParenRight, Qt::ShiftModifier, ")").key, '0');
    EXPECT_EQ(Stroke(Qt::Key_7).key, '7');
}

TEST(KeyStrokeOf, AccentedLettersGiveCodePageValues) {
    EXPECT_EQ(Stroke(Qt::Key_Ntilde, Qt::NoModifier, QString(QChar(0xF1))).key, 0xD1);
    EXPECT_EQ(Stroke(Qt::Key_Eacute, Qt::NoModifier, QString(QChar(0xE9))).key, 0xC9);
    // A letter composed from a dead key arrives without a key code of its own.
    EXPECT_EQ(Stroke(0, Qt::NoModifier, QString(QChar(0xE9))).key, 0xE9);
    EXPECT_EQ(Stroke(0, Qt::NoModifier, "a").key, 0);
    EXPECT_EQ(Stroke(Qt::Key_multiply, Qt::NoModifier, QString(QChar(0xD7))).key, 0);
}

TEST(KeyStrokeOf, ControlAndFunctionKeys) {
    EXPECT_EQ(Stroke(Qt::Key_Return).key, KeyEnter);
    EXPECT_EQ(Stroke(Qt::Key_Enter, Qt::KeypadModifier).key, KeyEnter);
    const KeyStroke backTab = Stroke(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(backTab.key, KeyTab);
    EXPECT_TRUE(backTab.Shift());
    EXPECT_EQ(Stroke(Qt::Key_Down).key, KeyArrowDown);
    EXPECT_EQ(Stroke(Qt::Key_F12).key, KeyF12);
    EXPECT_EQ(Stroke(Qt::Key_Alt, Qt::AltModifier).key, KeyAlt);
    EXPECT_EQ(Stroke(Qt::Key_4, Qt::KeypadModifier, "4").key, KeyNumpad0 + 4);
}

TEST(KeyCharOf, GivesTheTypedCharacterInTheCodePage) {
    QKeyEvent euro(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(0x20AC)));
    EXPECT_EQ(KeyCharOf(euro), 0x80);
    QKeyEvent question(QEvent::KeyPress, Qt::Key_Question, Qt::ShiftModifier, "?");
    EXPECT_EQ(KeyCharOf(question), '?');
    QKeyEvent foreign(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(0x4E2D)));
    EXPECT_EQ(KeyCharOf(foreign), 0);
}

}  // namespace
}  // namespace qora
