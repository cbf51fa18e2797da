#pragma once
// MulDiv: number * numerator / denominator in 64 bits, rounded half away
// from zero; -1 for a zero denominator or a result beyond 32 bits.

int MulDiv(int number, int numerator, int denominator);
