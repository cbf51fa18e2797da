#pragma once

#include <string>

// The option record of the engine's gridfill command; the frame fills it once at start-up.
struct FillerOptions {
    FillerOptions();
    ~FillerOptions();

    int outputFormat = 0;  // 0 simple, 1 ascii
    int walker = 0;        // 0 prefix, 1 flood
    bool printRegularly = false;
    bool printEachStep = false;
    int verbosity = 0;
    std::string dictionaryPath;
    std::string patternPath;
    int patternKind = 0;  // 0 none, 1 generalized pattern, 2 pattern
    bool benchmark = false;
    bool seedGiven = false;
    int seed = 0;
    bool allWords = false;
};

extern FillerOptions fillerOptions;

// The scanner's position, kept between calls as getopt keeps it.
extern const char* optionArgument;
extern int optionNextIndex;

int NextOption(int count, char* const* vector, const char* options);
int ParseFillerOptions(int count, char* const* vector);
void SeedRandomFromClock(const FillerOptions& options);
