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
    try {
        grid.ReadAsciiGrid(std::string(reinterpret_cast<const char*>(data), size));
        if (grid.cellCount > 0 && std::size_t(grid.cellCount) > size / 4)
            __builtin_trap();
        std::ostringstream out;
        grid.PrintAscii(out);
    } catch (const error&) {
    }
    return 0;
}
