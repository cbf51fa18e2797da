#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "engine/alphabet.h"
#include "engine/dictionary.h"
#include "engine/error.h"
#include "engine/grid.h"
#include "support/count_of.h"
#include "support/fresh_alphabet_test.h"

// Every page keeps itself from being selected; most open with it.
const std::string NoSelect =
    R"(document.onselectstart=new Function ("return false"); document.onmousedown=new Function ("return false"); )"
    R"(document.onmouseup=new Function ("return false"); window.onmousedown=new Function ("return false"); )"
    R"(window.onmouseup=new Function ("return false");)";
const std::string ScriptOpening = "<html><head><script language=JavaScript>" + NoSelect;

inline Dictionary ClueList(std::initializer_list<std::pair<std::string, std::string>> entries)
{
    Dictionary list;
    for (const auto& entry : entries)
        list.AddWord(entry.first, entry.second);
    return list;
}

inline Dictionary WordList(const std::vector<std::string>& words)
{
    Dictionary list;
    for (const std::string& word : words)
        list.AddWord(word, "");
    return list;
}

// Writes `text` into the grid from (x, y) one step of (dx, dy) per letter.
inline void WriteWord(Grid& grid, const std::string& text, int x, int y, int dx, int dy)
{
    for (char c : text) {
        grid.CellAt(x, y).SetSymbol(Alphabet::SymbolOf(c));
        x += dx;
        y += dy;
    }
}

// Runs `action` in an empty working folder, first without the run-time file
// `name`, then with a folder of that name, which opens but cannot be read:
// both times it must fail with an error naming the file.
inline void ExpectErrorNamingMissingFile(const std::string& name, const std::function<void()>& action)
{
    namespace fs = std::filesystem;
    const fs::path previous = fs::current_path();
    char folder[] = "/tmp/quillory-puzzles-XXXXXX";
    fs::current_path(mkdtemp(folder));
    for (bool present : {false, true}) {
        if (present)
            fs::create_directory(name);
        try {
            action();
            ADD_FAILURE() << "no error " << (present ? "with a folder " : "without ") << name;
        } catch (const error& e) {
            EXPECT_NE(e.message().find(name), std::string::npos) << e.message();
        }
    }
    fs::current_path(previous);
    fs::remove_all(folder);
}
