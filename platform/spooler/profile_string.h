// The user's profile strings (kernel32's WriteProfileStringA and GetProfileStringA). Linux
// has no win.ini whose values anything reads, so the profile lives in this process only and
// goes with it.
#pragma once

#include <cstdint>

// A null key removes the section, a null value removes the key; 0 for a null section.
int WriteProfileStringA(const char* section, const char* key, const char* value);

// Copies the value, or the fallback when there is none, cut to fit; gives the characters
// copied. Section and key must be given.
std::uint32_t GetProfileStringA(const char* section, const char* key, const char* fallback,
                                char* buffer, std::uint32_t capacity);
