#pragma once

class wxMenu;
class wxMenuItem;
class wxString;

// Appends a plain item that answers no key. GTK gives an item with a stock id
// (Exit, About) the stock shortcut, such as Ctrl+Q, unless it is taken away.
wxMenuItem* AppendWithoutShortcut(wxMenu* menu, int id, const wxString& label);
