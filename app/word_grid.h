#pragma once

#include <optional>
#include <string>
#include <vector>

#include <wx/font.h>
#include <wx/string.h>

#include "app/word_list_file.h"

class Dictionary;
class wxGrid;
class wxGridRangeSelectEvent;
class wxWindow;

// The font of the word grids, the dialogs' buttons and the side panel.
wxFont TahomaFont();

// Font, default cell sizes and label sizes of a word grid.
void StyleWordGrid(wxGrid* grid);

// Styles the grid and gives it a table of MaxWordListEntries rows. What is
// typed or pasted into a cell keeps to one line, and an entry that grows past
// its limit is named to the user when its cell is left.
void CreateWordGrid(wxGrid* grid, int columns);

// Ends the editing of a cell as Return does, the cell keeping what was typed,
// so that a command reads the grid as the user sees it. False when an entry
// has just grown past its limit: the user has been told, as after Return.
bool EndCellEditing(wxGrid* grid);

// "Word" alone is 250 pixels wide; beside "Clue" it is 100 and "Clue" 150.
// The scrolled width stays 32 pixels short of the columns.
void SetWordColumns(wxGrid* grid);

// No block of cells stays selected.
void ClearRangeSelection(wxGridRangeSelectEvent& event, wxGrid* grid);

// A write outside the grid's table is dropped, a read gives the empty text.
void SetCellText(wxGrid* grid, int row, int col, const wxString& text);
wxString CellText(const wxGrid* grid, int row, int col);

// Writes the entries into the rows from the top, words and (when there is a
// clue column) clues, each on one line.
void ShowEntries(wxGrid* grid, const std::vector<WordListEntry>& entries);

// True when every row is within the limits of an entry; otherwise the user is
// told of the first that is not, under the heading given.
bool EntriesWithinLimits(wxWindow* parent, const wxGrid* grid, const wxString& heading);

// Empties the grid and shows the list's words, with their clues when asked.
void ShowWordList(wxGrid* grid, const Dictionary& list, bool withClues);

// The rows that hold a word (more than blanks), as 8-bit text. Nothing when a
// word or clue holds a character the 8-bit text cannot hold; the user is told
// which one.
std::optional<std::vector<WordListEntry>> GridEntries(wxWindow* parent, const wxGrid* grid);

// The text as 8-bit text, or nothing after telling the user that the text,
// named as in `The title "..."`, cannot be stored in what it is for ("a puzzle").
std::optional<std::string> StorableText(wxWindow* parent, const wxString& text, const wxString& named,
                                        const wxString& store);

wxString Quoted(const wxString& text);

// The message box of the word list dialogs, for texts that need not fit 8 bits.
void TellUser(wxWindow* parent, const wxString& message);
