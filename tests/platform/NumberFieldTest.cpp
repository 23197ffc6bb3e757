#include "platform/qt/NumberField.h"
#include "platform/qt/SpinField.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <vector>

namespace qora {
namespace {

TEST(ReadFieldNumber, ReadsDigitsBetweenBlanksAndStopsAtAnythingElse) {
    const FieldNumber number = ReadFieldNumber("   120 ", EmptyField::IsInvalid);
    EXPECT_TRUE(number.valid);
    EXPECT_EQ(number.value, 120);
    EXPECT_EQ(ReadFieldNumber("\t75\r\n", EmptyField::IsInvalid).value, 75);  // control characters count as blanks
    const FieldNumber partial = ReadFieldNumber("12a4", EmptyField::IsZero);
    EXPECT_FALSE(partial.valid);
    EXPECT_EQ(partial.value, 12);  // the digits before the bad character
    EXPECT_FALSE(ReadFieldNumber("1 2", EmptyField::IsZero).valid);
    EXPECT_FALSE(ReadFieldNumber("-3", EmptyField::IsZero).valid);
    EXPECT_TRUE(ReadFieldNumber("   ", EmptyField::IsZero).valid);
    EXPECT_FALSE(ReadFieldNumber("", EmptyField::IsInvalid).valid);
    EXPECT_EQ(FormatFieldNumber(-42, 7), "    -42");
}

TEST(ReadFieldNumber, ANumberBeyondTheMaximumIsInvalidNotWrapped) {
    EXPECT_TRUE(ReadFieldNumber("2147483647", EmptyField::IsZero).valid);
    const FieldNumber tooLarge = ReadFieldNumber("2147483648", EmptyField::IsZero);
    EXPECT_FALSE(tooLarge.valid);
    EXPECT_GE(tooLarge.value, 0);
    EXPECT_FALSE(ReadFieldNumber("99999999999999999999999999", EmptyField::IsZero, 9223372036854775807LL).valid);
}

class NumberFieldTyping : public ::testing::Test {
protected:
    void SetUp() override {
        field.SetConfirmingButton(&ok);
        QObject::connect(&field, &NumberField::numberRead, [this] {
            ++reads;
            ok.setEnabled(field.Valid());
        });
        field.ShowNumber(42);
    }

    void Type(const char* keys) { QTest::keyClicks(&field, keys); }

    NumberField field{15};
    QPushButton ok;
    int reads = 0;
};

TEST_F(NumberFieldTyping, ShowsTheValueRightAlignedWithTheDigitsSelected) {
    EXPECT_EQ(field.text(), QString("             42"));
    EXPECT_EQ(field.selectedText(), QString("42"));
    EXPECT_TRUE(field.Valid());
    Type("7");
    EXPECT_EQ(field.text(), QString("             7"));
    EXPECT_EQ(field.Value(), 7);
}

TEST_F(NumberFieldTyping, ANonDigitDisablesTheConfirmingButtonAtOnce) {
    Type("12");
    EXPECT_TRUE(ok.isEnabled());
    const int readsBefore = reads;
    Type("a");
    EXPECT_FALSE(ok.isEnabled());
    EXPECT_FALSE(field.Valid());
    EXPECT_EQ(field.Value(), 12);
    EXPECT_EQ(reads, readsBefore);  // the dialog's check does not run on bad text
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_TRUE(ok.isEnabled());
}

TEST_F(NumberFieldTyping, EmptyTextIsZeroOrInvalidByTheFieldsRule) {
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_TRUE(field.Valid());
    EXPECT_EQ(field.Value(), 0);
    field.SetEmptyRule(EmptyField::IsInvalid);
    field.ShowNumber(5);
    QTest::keyClick(&field, Qt::Key_Delete);
    EXPECT_FALSE(field.Valid());
    EXPECT_FALSE(ok.isEnabled());  // the dialog's check ran and refused
}

TEST_F(NumberFieldTyping, HugeNumbersArePastedAndTypedWithoutHarm) {
    Type("99999999999");
    EXPECT_FALSE(field.Valid());
    EXPECT_FALSE(ok.isEnabled());
    field.selectAll();
    QApplication::clipboard()->setText("3x");
    field.paste();
    EXPECT_FALSE(field.Valid());
    EXPECT_EQ(field.Value(), 3);
}

TEST(SpinField, EveryClickMovesWithinTheRangeAndRewritesTheField) {
    SpinField spin(5);
    spin.SetRange(8, 256);
    spin.SetPosition(55);
    EXPECT_EQ(spin.Field()->text(), QString("   55"));
    std::vector<UpDownButton> clicks;
    QObject::connect(&spin, &SpinField::clicked, [&](UpDownButton button) { clicks.push_back(button); });
    QTest::mouseClick(spin.Arrows()->Arrow(UpDownButton::Up), Qt::LeftButton);
    EXPECT_EQ(spin.Position(), 56);
    EXPECT_EQ(spin.Field()->text(), QString("   56"));
    spin.SetPosition(256);
    spin.Arrows()->Click(UpDownButton::Up);
    EXPECT_EQ(spin.Position(), 256);  // no wrap, but the click is still reported
    spin.SetPosition(3);
    EXPECT_EQ(spin.Position(), 8);
    spin.Arrows()->Click(UpDownButton::Down);
    EXPECT_EQ(spin.Position(), 8);
    EXPECT_EQ(clicks, (std::vector<UpDownButton>{UpDownButton::Up, UpDownButton::Up, UpDownButton::Down}));
}

TEST(SpinField, ADialogMayGiveItsOwnText) {
    SpinField spin(2);
    spin.SetRange(0, 99);
    spin.SetPositionText([](int position) { return position == 0 ? std::string() : FormatFieldNumber(position, 2); });
    EXPECT_EQ(spin.Field()->text(), QString());
    spin.Arrows()->Click(UpDownButton::Up);
    EXPECT_EQ(spin.Field()->text(), QString(" 1"));
    EXPECT_TRUE(spin.Field()->isReadOnly());
}

}  // namespace
}  // namespace qora
