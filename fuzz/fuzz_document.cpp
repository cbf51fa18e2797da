// Any bytes as a saved document: the Open command's reading and showing,
// minus the window, must end in a puzzle or an error.
#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>

#include <tinyxml.h>

#include "app/document_bounds.h"
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

// Only elements have children; walked without recursion, whatever the depth.
int ElementLevels(const TiXmlDocument& document)
{
    int deepest = 0;
    int depth = 1;
    const TiXmlNode* node = document.FirstChild();
    while (node) {
        if (node->ToElement())
            deepest = std::max(deepest, depth);
        if (node->FirstChild()) {
            node = node->FirstChild();
            ++depth;
            continue;
        }
        while (node != &document && !node->NextSibling()) {
            node = node->Parent();
            --depth;
        }
        node = node == &document ? nullptr : node->NextSibling();
    }
    return deepest;
}

// The count that keeps TinyXML's recursion in bounds must never fall short of
// the levels TinyXML then builds.
void CheckDepthCount(const std::string& text)
{
    const int counted = ElementDepth(text);
    if (counted < 0 || counted > MaxDocumentDepth)
        return;
    TiXmlDocument document;
    document.Parse(text.c_str());
    if (ElementLevels(document) > counted)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckDepthCount(text);
    ResetAlphabet();
    try {
        DocumentReader reader;
        if (!reader.Parse(text))
            return 0;
        PagePuzzle puzzle(reader.Type());
        std::ostringstream trace;
        reader.ReadInto(puzzle, trace);
        reader.Show(puzzle);
        // What was shown, the reader took: no page past the bound.
        if (puzzle.shownBytes > MaxPageBytes)
            __builtin_trap();
        puzzle.ToXml();
    } catch (const error&) {
    }
    return 0;
}
