#pragma once

// Readies the puzzle engine before the first puzzle is made: the program's
// fixed options, a random seed from the clock and an empty alphabet.
void StartEngine();
