#pragma once

#include <string>

// Pieces of text shared by every puzzle page.

// Keeps a printed page from being selected or dragged in the viewer.
extern const char* const NoSelectScript;

// Words, clues and titles are the user's text: written into a page, they must
// not turn into markup or script.
std::string EscapeHtml(const std::string& text);

// The capital of a lower-case letter in Windows-1252; any other character as it is.
char CapitalOf(char c);

// Replaces the first occurrence of placeholder, if any.
void ReplaceFirst(std::string& page, const std::string& placeholder, const std::string& value);
