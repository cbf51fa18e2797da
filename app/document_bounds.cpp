#include "app/document_bounds.h"

#include <string>

std::string Thousands(std::size_t number)
{
    std::string digits = std::to_string(number);
    for (int at = int(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(std::size_t(at), ",");
    return digits;
}

namespace {

// Long texts are named by their start.
std::string Named(const std::string& text)
{
    constexpr std::size_t shown = 30;
    return "\"" + (text.size() > shown ? text.substr(0, shown) + "..." : text) + "\"";
}

std::string LengthFailure(const std::string& named, const std::string& text, int limit)
{
    if (text.size() <= std::size_t(limit))
        return "";
    return named + " holds " + Thousands(text.size()) + " characters, more than the " + Thousands(std::size_t(limit)) +
           " it may hold";
}

}  // namespace

// The word's failure comes first.
std::string EntryFailure(const std::string& word, const std::string& clue)
{
    const std::string failure = LengthFailure("the word " + Named(word), word, MaxWordChars);
    return failure.empty() ? LengthFailure("the clue of the word " + Named(word), clue, MaxClueChars) : failure;
}

std::string TitleFailure(const std::string& title) { return LengthFailure("the title", title, MaxTitleChars); }

std::string PageFailure(std::size_t pageBytes)
{
    if (pageBytes <= MaxPageBytes)
        return "";
    return "its page would be larger than " + std::to_string(MaxPageBytes / (1024 * 1024)) +
           " MB, too long to show";
}
