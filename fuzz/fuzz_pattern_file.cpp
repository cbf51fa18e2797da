// Any bytes as a pattern file: the reader must end in a grid or an error.
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>

#include <unistd.h>

#include "engine/alphabet.h"
#include "engine/error.h"
#include "engine/grid.h"

namespace {

std::string PatternPath()
{
    static const std::string path = "/tmp/quillory-fuzz-pattern-" + std::to_string(getpid());
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::FILE* f = std::fopen(PatternPath().c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    ResetAlphabet();
    Grid grid(4, 4);
    try {
        grid.ReadPatternFile(PatternPath());
        std::ostringstream out;
        grid.PrintAscii(out);
    } catch (const error&) {
    }
    return 0;
}
