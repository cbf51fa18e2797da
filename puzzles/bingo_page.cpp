#include "puzzles/bingo_page.h"

#include <cstdlib>
#include <set>
#include <sstream>
#include <utility>
#include <vector>

#include "engine/dictionary.h"
#include "puzzles/page_text.h"
#include "puzzles/random_in_range.h"

namespace {

constexpr unsigned BingoSeed = 69854;
const char* const FreeSpace = "Free Space!";

// The first `available` words of the pool are still free for this card; a drawn
// word moves behind them.
void WriteCard(std::ostream& page, std::vector<std::string>& pool, bool freeSpace)
{
    int available = int(pool.size());
    page << "<table style=\"border:solid 1px black\" border=\"1\"><tr><td colspan=\"5\" align=\"center\">"
            "<font size=\"8\">BINGO</font></td></tr><tr>";
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            int r = RandomInRange(0, available);
            if (column == 0 && row > 0)
                page << "</tr><tr>";
            std::string text = FreeSpace;
            if (available > 0) {
                text = EscapeHtml(pool[r]);
                std::swap(pool[r], pool[available - 1]);
                --available;
                // The centre's word stays free for the rest of the card.
                if (freeSpace && row == 2 && column == 2) {
                    text = FreeSpace;
                    ++available;
                }
            }
            page << "<td height=\"80\" width=\"80\"><center>" << text << "</center></td>";
        }
    }
    page << "</tr></table>";
}

// The list as a card shows it, each word once: entries that differ only in
// the case of A to Z read the same. Words keep their first place, so a list
// without repeats draws as it always has.
std::vector<std::string> DistinctWords(const Dictionary& words)
{
    std::vector<std::string> pool;
    std::set<std::string> seen;
    for (int i = 0; i < words.WordCount(); ++i) {
        std::string text = words.WordText(i);
        if (seen.insert(text).second)
            pool.push_back(std::move(text));
    }
    return pool;
}

}  // namespace

std::string BuildBingoPage(const Dictionary& words, int cardCount, bool freeSpace)
{
    std::srand(BingoSeed);
    std::vector<std::string> pool = DistinctWords(words);
    std::ostringstream page;
    page << "<html><head><script language=JavaScript>" << NoSelectScript
         << "</script><style></style></head><body><center>";
    for (int card = 0; card < cardCount; ++card) {
        if (card > 0)
            page << "<br><br style=\"page-break-after:always\">";
        WriteCard(page, pool, freeSpace);
    }
    page << "</body></center></html>";
    return page.str();
}
