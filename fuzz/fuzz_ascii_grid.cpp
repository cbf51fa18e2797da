// Any bytes as the grid text of a document: the reader must stay within
// what the text can describe, and what it reads must print.
#include <cstdint>
#include <sstream>
#include <string>

#include "engine/alphabet.h"
#include "engine/error.h"
#include "engine/grid.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ResetAlphabet();
    Grid grid(4, 4);
    std::string text(reinterpret_cast<const char*>(data), size);
    bool replaces = text.find('\n') != std::string::npos;  // else the grid stays as it was
    try {
        grid.ReadAsciiGrid(text);
        if (replaces && std::size_t(grid.cellCount) > size / 4)
            __builtin_trap();
        std::ostringstream out;
        grid.PrintAscii(out);
    } catch (const error&) {
    }
    return 0;
}
