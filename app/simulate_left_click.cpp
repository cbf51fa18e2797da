#include "app/simulate_left_click.h"

#include <wx/uiaction.h>

void SimulateLeftClick()
{
    wxUIActionSimulator input;
    input.MouseDown(wxMOUSE_BTN_LEFT);
    input.MouseUp(wxMOUSE_BTN_LEFT);
}
