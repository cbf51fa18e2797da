#pragma once

// Presses and releases the left mouse button wherever the pointer stands, as
// if the user clicked there.
void SimulateLeftClick();
