#include "app/engine_start_up.h"

#include "engine/alphabet.h"
#include "engine/options.h"

void StartEngine()
{
    // The scanner keeps pointers into its arguments, so they outlive the call.
    static char empty[] = "", pattern[] = "-p", patternFile[] = "21x21", dictionary[] = "-d",
                dictionaryFile[] = "wordlist.txt";
    static char* arguments[] = {empty, pattern, patternFile, dictionary, dictionaryFile, nullptr};
    ParseFillerOptions(5, arguments);
    SeedRandomFromClock(fillerOptions);
    ResetAlphabet();
}
