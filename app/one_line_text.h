#pragma once

#include "app/one_line.h"

class wxTextCtrl;

// Every line break or TAB typed or pasted into the box becomes a blank at once.
void KeepOnOneLine(wxTextCtrl* box);
