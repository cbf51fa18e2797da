#pragma once

#include <string>

#include "engine/placement.h"

// The drawing library that the word search page copies in; it is looked for
// in the working directory.
extern const char* const PageScriptFile;

// The four drawing lines of the red outline around one placed word.
std::string WriteAnswerOutline(const Placement& placement);
