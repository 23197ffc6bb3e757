// Open and save dialogs, set up like the system's: a title, a file name, a
// filter list, the filter chosen, a default extension, an overwrite prompt and
// a starting folder. File names are paths in the file system's encoding.
//
// Filters are written as pairs "description|patterns|description|patterns",
// patterns separated by ";" ("Wave files (*.wav)|*.WAV|Any files (*.*)|*.*").
// A pattern matches names in either case, so "*.WAV" finds "tada.wav".
#pragma once

#include <QStringList>
#include <string>

class QWidget;

namespace qora {

class FileDialog {
public:
    enum class Kind { Open, Save };

    explicit FileDialog(Kind kind) : kind_(kind) {}

    std::string Title;     // code-page text; empty: the system's title
    std::string FileName;  // the file proposed, and after Execute() the file chosen
    std::string Filter;
    int FilterIndex = 1;           // 1 for the first filter; after Execute() the filter chosen
    std::string DefaultExt;        // "wav" or ".wav": added to a name typed without an extension
    bool OverwritePrompt = false;  // save dialogs: ask before replacing an existing file
    std::string InitialDir;        // empty: the folder of FileName, else HomeDirectory

    // Runs the dialog; true when the user chose a file.
    bool Execute(QWidget* parent = nullptr);

private:
    Kind kind_;
};

// "a|*.x;*.y|b|*.*" -> {"a (*.x *.X *.y *.Y)", "b (*.*)"}
QStringList NameFiltersOf(const std::string& filter);

}  // namespace qora
