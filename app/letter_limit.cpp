#include "app/letter_limit.h"

#include "app/text_encoding.h"
#include "engine/letter_need.h"
#include "puzzles/word_search_generator.h"

namespace {

const char* const LeaveOutAdvice = "Leave out characters the words do not need, for example accents, blanks or signs.";

wxString KindName(PuzzleType type)
{
    switch (type) {
    case WordSearchPuzzle: return "a word search";
    case BingoPuzzle: return "bingo cards";
    case ScramblePuzzle: return "a word scramble";
    default: return "a crossword";
    }
}

// The letters of Windows-1252, by their Unicode characters.
bool IsLetter(wxUniChar c)
{
    const unsigned u = c.GetValue();
    if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == 0xAA || u == 0xB5 || u == 0xBA)
        return true;
    if (u >= 0xC0 && u <= 0xFF)
        return u != 0xD7 && u != 0xF7;
    for (unsigned latin : {0x152u, 0x153u, 0x160u, 0x161u, 0x178u, 0x17Du, 0x17Eu, 0x192u})
        if (u == latin)
            return true;
    return false;
}

// The character as the subject of a sentence.
wxString CharacterSubject(char c)
{
    const wxString shown = FromWindows1252(std::string(1, c));
    const unsigned u = shown[0].GetValue();
    if (u == ' ' || u == 0xA0)
        return "A blank";
    if (u >= '0' && u <= '9')
        return "The digit \"" + shown + "\"";
    if (IsLetter(shown[0]))
        return "The letter \"" + shown + "\"";
    if (u > ' ' && u != 0x7F && (u < 0x80 || u > 0x9F))
        return "The sign \"" + shown + "\"";
    return wxString::Format("An invisible character (code %u)", unsigned(static_cast<unsigned char>(c)));
}

wxString InUse(int lettersInUse)
{
    return wxString::Format(" did not fit. One run of Quillory can use at most %d different characters across all its "
                            "puzzles, and the puzzles made or opened since it started use %d of them.",
                            Alphabet::MaxLetters, lettersInUse);
}

// The puzzle needs more than any run holds.
wxString CannotBeMade(const PuzzleLetters& needs)
{
    const bool filled = needs.total > needs.words;
    wxString text = needs.fromDocument ? wxString("This document needs ") : wxString("This list needs ");
    text << needs.total << " different characters";
    if (!needs.fromDocument)
        text << (filled ? " as " + KindName(needs.type) : wxString(" in its words alone"));
    if (filled)
        text << ": " << needs.words << " in its words and " << needs.total - needs.words
             << (needs.fromDocument ? " more in its grid"
                                    : " more among the letters a to z that fill the rest of the grid");
    text << ". A puzzle can use at most " << Alphabet::MaxLetters << ", so "
         << (needs.fromDocument ? wxString("it cannot be opened")
                                : "this list cannot be made as " + KindName(needs.type))
         << ", not even after starting Quillory again.";
    if (needs.fromDocument)
        return text;
    if (needs.words <= Alphabet::MaxLetters)
        return text << " As a crossword, a word scramble or bingo cards it needs only the " << needs.words
                    << " of its words.";
    return text << "\n\n" << LeaveOutAdvice;
}

// The puzzle fits in a run of its own. A letter none of the words holds came
// from the filling, which the teacher did not type.
wxString FitsAfterARestart(const TooManyLetters& failure, const PuzzleLetters& needs, int lettersInUse)
{
    wxString text = CharacterSubject(failure.refused);
    if (needs.fillersOnly.find(failure.refused) != std::string::npos)
        text << ", one of those that fill the rest of the grid,";
    text << InUse(lettersInUse);
    text << (needs.fromDocument ? " This document needs " : " This list needs ") << needs.total;
    if (!needs.fromDocument)
        text << " as " << KindName(needs.type);
    text << " by itself, so it fits after a fresh start: save your puzzles, close Quillory and start it again.";
    return needs.fromDocument ? text : text << "\n\n" << LeaveOutAdvice;
}

}  // namespace

PuzzleLetters LettersOfList(PuzzleType type, const std::vector<std::string>& words)
{
    LetterNeed need;
    for (const std::string& word : words)
        need.AddWord(word);
    const int wordLetters = need.Count();
    std::string fillersOnly;
    if (type == WordSearchPuzzle)
        for (char c = WordSearchGenerator::FirstFiller; c <= WordSearchGenerator::LastFiller; ++c) {
            const int before = need.Count();
            need.AddLetters(std::string(1, c));
            if (need.Count() > before)
                fillersOnly += c;
        }
    return {type, false, wordLetters, need.Count(), fillersOnly};
}

PuzzleLetters LettersOfDocument(PuzzleType type, const LetterNeed& words, const LetterNeed& withGrid)
{
    return {type, true, words.Count(), withGrid.Count(), ""};
}

void WithinLetterLimit(const PuzzleLetters& needs, const std::function<void()>& build)
{
    try {
        build();
    } catch (const LetterLimitReached&) {
        throw;
    } catch (const TooManyLetters& e) {
        throw LetterLimitReached(e.refused, needs);
    }
}

wxString LetterLimitMessage(const LetterLimitReached& failure, int lettersInUse)
{
    if (failure.needs.total > Alphabet::MaxLetters)
        return CannotBeMade(failure.needs);
    return FitsAfterARestart(failure, failure.needs, lettersInUse);
}

wxString LetterLimitMessage(const TooManyLetters& failure, int lettersInUse)
{
    return CharacterSubject(failure.refused) + InUse(lettersInUse) + "\n\n" + LeaveOutAdvice;
}
