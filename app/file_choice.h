#pragma once

#include <wx/string.h>

class wxWindow;

// A kind of file the program's file dialogs offer: its filter and its extension.
struct FileType {
    const char* wildcard;
    const char* extension;
};

constexpr FileType DocumentFiles{"QZL files (*.qzl)|*.qzl", "qzl"};
constexpr FileType WordListFiles{"Word List files (*.lst)|*.lst", "lst"};

// The path the user chooses in a file dialog for the type, empty when the
// dialog is cancelled. A name saved without an extension gets the type's
// ("my.quiz" has one; a dot in a folder's name makes none).
wxString ChooseFile(wxWindow* parent, const FileType& type, long style);
