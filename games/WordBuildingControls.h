// What the Word-Building Game's windows share: labels and buttons placed at
// sizes given for 96 pixels per inch, the fixed-pitch font of their texts,
// and the save and open dialogs of the game's files.
#pragma once

#include <QFont>
#include <QRect>
#include <string>
#include <string_view>

#include "platform/qt/Dialogs.h"
#include "platform/qt/FileDialogs.h"

class QComboBox;
class QEvent;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace qora {

// A rectangle given at 96 pixels per inch, scaled to the screen.
QRect Designed(int x, int y, int width, int height);

// A label (code-page text) or a button placed on a scaled rectangle.
QLabel* MakeLabel(QWidget* parent, const char* text, QRect place);
QPushButton* MakeButton(QWidget* parent, const char* text, QRect place);

QFont FixedPitchFont();

// A read-only text box of lines in the fixed-pitch font (a grid, a solution).
QPlainTextEdit* MakeTextBox(QWidget* parent, QRect place);

// The lists' Space: a key press of Space moves the list to its next item,
// round to the first. True when the event was that key.
bool StepListOnSpace(QComboBox& list, const QEvent& event);

// Shows a modeless dialog of the game beside the game window, opened
// afresh also when it is open already.
void ShowBesideGameWindow(QoraDialog& dialog, QWidget& window);

// The files of the game: their proposed name, filter and extension.
struct GameFileKind {
    const char* fileName;
    const char* filter;
    const char* defaultExt;
};

// "%s %s%s %s": "Created grid WBG_grids.WBG", "Appended solution to
// WBG_game.WBH", in an information box.
void ReportExportDone(const std::string& file, bool append, std::string_view what);

// An export of the game's: its files, the save dialog's title ("Export
// (%s) Word-Building Game Grid", with "create" or "append"), what the report
// names ("grid") and the warning when the file cannot be written ("Cannot
// open %s to record a Word-Building Game grid", with the file's name).
struct GameExport {
    const GameFileKind& file;
    const char* title;
    const char* what;
    const char* cannotOpen;
};

// Asks for a file with the save dialog and writes the text (records that
// each end with an empty line) to it, creating it through a temporary file
// or appending after the old records' empty line, then reports.
void ExportGameFile(QWidget* parent, const GameExport& kind, bool append, std::string_view text);

// A save or open dialog of a game file, starting in the default folder; a
// save dialog asks before replacing a file unless it appends.
FileDialog GameFileDialog(FileDialog::Kind kind, std::string title, const GameFileKind& file, bool append = false);

}  // namespace qora
