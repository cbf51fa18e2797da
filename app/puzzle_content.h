#pragma once

#include <optional>
#include <string>

#include "app/puzzle_type.h"
#include "engine/dictionary.h"
#include "engine/error.h"
#include "engine/grid.h"

// A puzzle whose page would take too long to show is not made.
class PageTooLarge : public error {
public:
    explicit PageTooLarge(const std::string& reason);
    std::string reason;
};

// Everything a puzzle document holds and does, apart from the window that
// shows its pages: the puzzle supplies Show.
class PuzzleContent {
public:
    explicit PuzzleContent(PuzzleType type);
    virtual ~PuzzleContent() = default;
    PuzzleContent(const PuzzleContent&) = delete;
    PuzzleContent& operator=(const PuzzleContent&) = delete;

    // Makes a new puzzle of the document's kind from the list and shows it.
    // Throws PageTooLarge, leaving the document as it was, when its page
    // would be longer than a page may be.
    void Generate(Dictionary list, std::string newTitle);
    // Shows the current puzzle again under the title, generating nothing;
    // refuses a page that is too long as Generate does.
    void Render(const std::string& newTitle);
    // Only the letters of a crossword's solution change the page, by a few
    // bytes a cell: no bound is checked.
    void SetShowSolution(bool show);

    void MakeFreeformCrossword(Dictionary list, const std::string& pageTitle);
    void MakeWordSearch(Dictionary list, const std::string& pageTitle);
    void MakeBingoCards(Dictionary list);
    void MakeScramble(Dictionary list);

    // The current puzzle as a page under the title, its placeholders filled;
    // nothing for bingo cards, which are only ever shown as generated.
    std::optional<std::string> PageFor(const std::string& pageTitle);

    std::string ToXml();
    void SetGridText(const std::string& text);
    void AddPlacement(int x1, int y1, int x2, int y2);
    Dictionary GetWordList() const { return wordList; }
    void SetWordList(const Dictionary& list) { wordList = list; }
    std::string GetTitle() const { return title; }

    std::string title;
    bool showSolution = false;
    Grid grid{4, 4};
    Dictionary wordList;
    PuzzleType type;
    bool freeSpace = false;
    int numCards = 1;
    std::string scramblePage;

protected:
    virtual void Show(const std::string& page) = 0;

private:
    void MakeByType(const Dictionary& list);
    void ShowMade(const std::string& page);
};

// The name a document type has in a document file.
const char* DocumentTypeName(PuzzleType type);
