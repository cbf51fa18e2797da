#pragma once

#include <functional>

#include <wx/string.h>

class wxWindow;

// Runs one user command. An engine error, or any other exception, ends the
// command and is shown in a message box; the program and every open puzzle go
// on, and the letters the command added to the alphabet are given back.
void RunCommand(wxWindow* parent, const std::function<void()>& command);

// The message box in which every failure reaches the user.
void ShowInformation(wxWindow* parent, const wxString& message);
