#pragma once

// A pseudo-random integer from lo to hi - 1 (lo when hi equals lo), scaled from
// one draw of rand, whose seed the caller sets with srand.
int RandomInRange(int lo, int hi);
