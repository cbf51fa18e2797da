#pragma once

#include <string>
#include <vector>

class Dictionary;

// The word scramble worksheet of a list: one numbered line per entry with the
// letters of each of its words shuffled, the answer hidden over a writing line,
// and a hint line for an entry with a clue. The page keeps the placeholders
// "#title#" and "#visibility#"; the shuffling starts from a fixed seed, so one
// list always gives the same page.
std::string BuildScramblePage(const Dictionary& words);

// The stored page as it is shown: the title in place and the answers shown or hidden.
std::string FillScramblePage(std::string page, const std::string& title, bool showSolution);

// The white-space separated words of text, in order.
std::vector<std::string> SplitWords(std::string text);
