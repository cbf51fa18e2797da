#pragma once
// The user's pointer and keys, sent through the X server, with a pause after each
// step for the windows to answer.

#include <wx/uiaction.h>

#include "support/event_pump.h"

inline void Settle(int milliseconds = 300) { PumpUntil([] { return false; }, milliseconds); }

class PointerUser {
public:
    void MoveTo(const wxPoint& at)
    {
        input_.MouseMove(at);
        Settle(100);
    }
    void ClickAt(const wxPoint& at)
    {
        MoveTo(at);
        input_.MouseClick();
        Settle();
    }
    void Key(int key, int modifiers = wxMOD_NONE)
    {
        input_.Char(key, modifiers);
        Settle();
    }
    void Type(const char* text)
    {
        input_.Text(text);
        Settle();
    }

private:
    wxUIActionSimulator input_;
};
