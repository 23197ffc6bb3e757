// The main window's openers of the command-building dialogs and the help
// windows, plugged in group by group when the main window is made.
//
// Each group's function makes its forms (children of the main window, kept
// until the program ends) and plugs each one into the controls and menu
// items that open it (TForm2::PlugDialog), with its placement and what the
// opener sets before it shows the form. docs/design.md ("Dialogs") tells how
// a dialog is plugged in.
#pragma once

namespace qora {

class TForm2;
struct MoveItemRequest;

// Plugs in every group below.
void PlugCommandDialogs(TForm2& form);

// The help window (Help > Contents and every Help button) and the tourney
// adjudication instructions (Help > Tournament Adjudications).
void PlugHelpWindows(TForm2& form);

// The option tabs' dialogs (the random-rack and word-output orderings, the
// board square) and the letter mapping, print and page-setup dialogs of the
// menus.
void PlugOptionDialogs(TForm2& form);

// The filter page's editors (numeric filters, hooks, blanks, definitions)
// and the Show Definitions dialog.
void PlugFilterDialogs(TForm2& form);
// The query page's set dialogs: a new set, labelling a set, set (B) and set
// ($).
void PlugSetDialogs(TForm2& form);

// The query page's dialogs: the query constituent, the rack letter or blank
// and the word reference.
void PlugQueryDialogs(TForm2& form);

// The presentation page's dialogs: the word count, the layout, the maximum
// width, the rows per page and the slate probes.
void PlugPresentationDialogs(TForm2& form);

// The wordlist dialogs: word presence, labelling a wordlist, making a new
// wordlist, moving items and random racks.
void PlugWordlistDialogs(TForm2& form);

// Opens the Move Item dialog for an opener's request (the Wordlists and
// Flashcards menus' items; the MoveItem button goes through its control).
void OpenMoveItemDialog(TForm2& form, const MoveItemRequest& request);

}  // namespace qora
