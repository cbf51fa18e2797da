#pragma once

#include <ostream>
#include <string>
#include <vector>

#include <wx/string.h>

#include "app/document_bounds.h"

class wxGrid;
class wxWindow;

// One line of a word list file: the word, then its clue.
struct WordListEntry {
    std::string word;
    std::string clue;
};

struct WordListReading {
    std::vector<WordListEntry> entries;  // Windows-1252, whatever the file held
    int leftOut = 0;                     // entries past the grid's rows
    int refusedLine = 0;  // from 1: the line where reading stopped
    std::string tooLong;  // why it stopped, when its entry is longer than it may be; else a character
                          // Windows-1252 cannot hold
    bool tooLarge = false;   // the file is larger than MaxWordListFileBytes; nothing is read
    int character0Line = 0;  // from 1: a line that holds the character 0, as no word list does; nothing is read
    bool failed = false;     // the read broke before the file's end

    // The grid is left as it was.
    bool NothingRead() const { return tooLarge || character0Line > 0; }
};

// The entries of a word list file, at most MaxWordListEntries of them. A line
// runs up to LF and a CR before the LF is part of the line end, so files with
// either line end read alike; lines without a TAB carry no entry. A file that
// starts with a UTF-16 or UTF-32 byte order mark, of either byte order, is read
// as such, and so is one without a mark that plainly is UTF-16. Bytes 0 at the
// end of a file are padding; a file whose text holds the character 0 anywhere
// else is not read. One that is UTF-8 with at least one character beyond ASCII
// is read as UTF-8 (a Windows-1252 file with accents practically never is);
// any other as Windows-1252. A line whose word is blanks alone is skipped. An
// entry longer than it may be stops the reading at its line, as a character
// Windows-1252 cannot hold does: the grid could not show it. Where the read
// of the file `broke`, the line it cut short is left out.
WordListReading ReadWordList(const std::string& bytes, bool broke = false);

// What the teacher reads of a reading of the file, one message each: why
// nothing was read, or what was not.
std::vector<wxString> WordListNotes(const WordListReading& reading, const wxString& quotedPath);

// Each entry that holds a word, as word, TAB, clue, CR LF.
void WriteWordList(std::ostream& out, const std::vector<WordListEntry>& entries);

// The dialogs' "Load word list": reads a chosen file into the grid's rows from
// the top, keeping the rows below what the file fills.
void LoadWordListFile(wxWindow* parent, wxGrid* grid);

// The dialogs' "Save word list": writes the grid's rows, what is being typed
// into a cell included, to a chosen file, unless an entry is longer than it may
// be (loading would stop at it).
void SaveWordListFile(wxWindow* parent, wxGrid* grid);
