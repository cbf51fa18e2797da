#include "puzzles/scramble_page.h"

#include <cstdlib>
#include <locale>
#include <sstream>
#include <utility>

#include "engine/dictionary.h"
#include "puzzles/page_text.h"
#include "puzzles/random_in_range.h"

namespace {

constexpr unsigned ScrambleSeed = 54387;

void ShuffleOnce(std::string& word)
{
    int length = int(word.size());
    for (int k = 0; k < length; ++k)
        std::swap(word[k], word[RandomInRange(k, length)]);
}

std::string Capitals(std::string word)
{
    for (char& c : word)
        c = CapitalOf(c);
    return word;
}

// A word that came out as it went in would give its answer away; one whose
// letters are all the same cannot come out any other way.
std::string ScrambledWord(std::string word)
{
    const std::string answer = Capitals(word);
    const bool canDiffer = answer.find_first_not_of(answer[0]) != std::string::npos;
    std::string scrambled;
    do {
        ShuffleOnce(word);
        scrambled = Capitals(word);
    } while (canDiffer && scrambled == answer);
    return scrambled;
}

// Words end up one blank apart whatever white space the entry had.
std::string ScrambledLine(const std::string& entry)
{
    std::string line;
    for (const std::string& word : SplitWords(entry)) {
        if (!line.empty())
            line += ' ';
        line += ScrambledWord(word);
    }
    return line;
}

void WriteEntry(std::ostream& page, const Dictionary& words, int i)
{
    std::string entry = words.WordText(i);
    page << "<tr><td width=\"20%\"><font size=\"4\">" << i + 1 << ". " << EscapeHtml(ScrambledLine(entry))
         << "</font></td><td align=\"left\" style=\"position:relative\"><div class=\"sol\">" << EscapeHtml(entry)
         << "</div>&nbsp;&nbsp;____________________________</td></tr>\n";
    std::string clue = words.HasClues() ? words.ClueFor(entry) : std::string();
    if (!clue.empty())
        page << "<tr><td colspan=\"2\"><font size=\"4\">Hint: " << EscapeHtml(clue) << "</font></td></tr>\n";
}

}  // namespace

std::string BuildScramblePage(const Dictionary& words)
{
    std::srand(ScrambleSeed);
    std::ostringstream page;
    page << "<html><head><script language=JavaScript>" << NoSelectScript
         << "</script><style>.sol {position:absolute;top:0px;left:30px;color:red;visibility:#visibility#} "
            "</style></head><body><center><h1>#title#</h1><br><h2>Unscramble the following words:</h2><br><table>";
    for (int i = 0; i < words.WordCount(); ++i)
        WriteEntry(page, words, i);
    page << "</table></body></center></html>";
    return page.str();
}

std::string FillScramblePage(std::string page, const std::string& title, bool showSolution)
{
    ReplaceFirst(page, "#title#", EscapeHtml(title));
    ReplaceFirst(page, "#visibility#", showSolution ? "visible" : "hidden");
    return page;
}

std::vector<std::string> SplitWords(std::string text)
{
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}
