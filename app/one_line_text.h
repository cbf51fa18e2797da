#pragma once

#include <string>

#include <wx/string.h>

class wxTextCtrl;

// Words, clues and titles keep to one line: a word list file and a document
// hold one entry per line, a TAB between word and clue. A line break or TAB
// entering them becomes a blank.
wxString OnOneLine(wxString text);
std::string OnOneLine(std::string text);

// Every line break or TAB typed or pasted into the box becomes a blank at once.
void KeepOnOneLine(wxTextCtrl* box);
