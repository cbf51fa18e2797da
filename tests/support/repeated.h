#pragma once

// Text made of one piece many times over, for the documents the tests and the
// benchmark of Open build.
#include <cstddef>
#include <string>

inline std::string Repeated(const std::string& piece, std::size_t times)
{
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}
