#pragma once

#include <cstdint>

// One grid letter as a byte: 0 to 31 are letters in order of first use,
// the rest carry the grid's special meanings.
class Symbol {
public:
    constexpr Symbol() = default;
    constexpr explicit Symbol(std::uint8_t code) : code_(code) {}

    constexpr std::uint8_t code() const { return code_; }

    friend constexpr bool operator==(Symbol a, Symbol b) { return a.code_ == b.code_; }
    friend constexpr bool operator!=(Symbol a, Symbol b) { return a.code_ != b.code_; }

private:
    std::uint8_t code_ = 32;
};

constexpr Symbol DefaultSymbol{32};
constexpr Symbol BlockSymbol{33};  // also ends every symbol word
constexpr Symbol NoSymbol{34};
constexpr Symbol EmptySymbol{35};
