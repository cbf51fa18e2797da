// Any bytes as a saved document: the Open command's reading and showing,
// minus the window, must end in a puzzle or an error.
#include <cstdint>
#include <sstream>
#include <string>

#include "app/document_reader.h"
#include "app/puzzle_content.h"
#include "engine/alphabet.h"
#include "engine/error.h"

namespace {

class PagePuzzle : public PuzzleContent {
public:
    using PuzzleContent::PuzzleContent;
    std::size_t shownBytes = 0;

protected:
    void Show(const std::string& page) override { shownBytes += page.size(); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ResetAlphabet();
    DocumentReader reader;
    if (!reader.Parse(std::string(reinterpret_cast<const char*>(data), size)))
        return 0;
    PagePuzzle puzzle(reader.Type());
    std::ostringstream trace;
    try {
        reader.ReadInto(puzzle, trace);
        if (reader.IsRegenerated())
            puzzle.Generate(puzzle.GetWordList(), puzzle.title);
        else
            puzzle.Render(puzzle.title);
        puzzle.ToXml();
    } catch (const error&) {
    }
    return 0;
}
