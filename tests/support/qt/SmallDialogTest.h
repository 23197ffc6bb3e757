// Widget tests of the small dialogs: the program's values that the dialogs
// show and change start and end at their start-up values; a dialog under
// test is shown (not modally) as the active window, so that it can be driven
// with keys and clicks while the test goes on.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <string>

#include "ModalDriver.h"
#include "WidgetLayout.h"
#include "platform/ProgramState.h"
#include "platform/qt/Screen.h"
#include "processor/Console.h"
#include "processor/Executor.h"
#include "processor/IniFile.h"
#include "processor/Recording.h"
#include "processor/Settings.h"

namespace qora {

class SmallDialogTest : public LayoutTest {
protected:
    // The forms that the tests hold are made before SetUp: they must be
    // scaled for the screen already.
    SmallDialogTest() { InitScreenDpi(); }

    void SetUp() override {
        LayoutTest::SetUp();
        ResetProgramState();
    }
    void TearDown() override {
        ResetProgramState();
        LayoutTest::TearDown();
    }

    static void Open(QWidget& form) {
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    // Types the text over the whole of a field, as the user does after
    // selecting it.
    static void Retype(QLineEdit& field, const char* text) {
        field.setFocus();
        field.selectAll();
        QTest::keyClick(&field, Qt::Key_Delete);
        QTest::keyClicks(&field, text);
    }

    // Runs the action, answers the message box it shows with OK and returns
    // the box's text ("" when none showed).
    static QString MessageAfter(const std::function<void()>& action) {
        QString message;
        WhenModalOpens([&](QWidget& box) {
            message = static_cast<QMessageBox&>(box).text();
            static_cast<QMessageBox&>(box).button(QMessageBox::Ok)->click();
        });
        action();
        return message;
    }

    static QStringList Lines(const QListWidget& list) {
        QStringList lines;
        for (int row = 0; row < list.count(); ++row) lines << list.item(row)->text();
        return lines;
    }

    // Nothing overlaps or is cut off; the grab is kept to be looked at.
    static void ExpectSoundLayout(QWidget& form, const char* name) {
        for (const std::string& fault : LayoutFaults(form)) ADD_FAILURE() << name << ": " << fault;
        SaveGrab(form, QString::fromLatin1(name));
    }
};

}  // namespace qora
