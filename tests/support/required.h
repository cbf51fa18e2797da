#pragma once

#include <stdexcept>
#include <string>

// For helpers that hand back a reference, where an ASSERT cannot stop the
// test: what they need and did not find stops the test there (GoogleTest
// reports the exception as its failure) instead of crashing the test program.
struct MissingResult : std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline void Require(bool held, const std::string& what)
{
    if (!held)
        throw MissingResult(what);
}

template <typename T>
T& Required(T* found, const std::string& what)
{
    Require(found != nullptr, what + " is missing");
    return *found;
}
