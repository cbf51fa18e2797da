#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "engine/alphabet.h"
#include "engine/dictionary.h"

// The alphabet is process-wide and holds 32 letters: every test starts afresh.
class PuzzleTest : public testing::Test {
protected:
    void SetUp() override { ResetAlphabet(); }
};

inline Dictionary WordList(std::initializer_list<std::string> words)
{
    Dictionary list;
    for (const std::string& word : words)
        list.AddWord(word, "");
    return list;
}

inline Dictionary ClueList(std::initializer_list<std::pair<std::string, std::string>> entries)
{
    Dictionary list;
    for (const auto& entry : entries)
        list.AddWord(entry.first, entry.second);
    return list;
}

inline int CountOf(const std::string& text, const std::string& part)
{
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

// Runs the rest of a test in a fresh empty working directory, where none of
// the program's run-time files can be found.
class EmptyWorkingDirectory {
public:
    EmptyWorkingDirectory();
    ~EmptyWorkingDirectory();
    EmptyWorkingDirectory(const EmptyWorkingDirectory&) = delete;
    EmptyWorkingDirectory& operator=(const EmptyWorkingDirectory&) = delete;

    std::string path() const { return path_; }

private:
    std::string previous_;
    std::string path_;
};
