// What the Word-Building Game's windows share: labels and buttons placed at
// sizes given for 96 pixels per inch, the fixed-pitch font of their texts,
// and the save and open dialogs of the game's files.
#pragma once

#include <QFont>
#include <QRect>
#include <string>

#include "platform/qt/FileDialogs.h"

class QLabel;
class QPushButton;
class QWidget;

namespace qora {

// A rectangle given at 96 pixels per inch, scaled to the screen.
QRect Designed(int x, int y, int width, int height);

// A label (code-page text) or a button placed on a scaled rectangle.
QLabel* MakeLabel(QWidget* parent, const char* text, QRect place);
QPushButton* MakeButton(QWidget* parent, const char* text, QRect place);

QFont FixedPitchFont();

// The files of the game: their proposed name, filter and extension.
struct GameFileKind {
    const char* fileName;
    const char* filter;
    const char* defaultExt;
};

// A save or open dialog of a game file, starting in the default folder; a
// save dialog asks before replacing a file unless it appends.
FileDialog GameFileDialog(FileDialog::Kind kind, std::string title, const GameFileKind& file, bool append = false);

}  // namespace qora
