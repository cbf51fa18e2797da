#pragma once

#include <string>

class Dictionary;

// The page of cardCount bingo cards of 5 x 5 words drawn from the list, no word
// twice on a card (a word listed twice counts once), one card per printed sheet.
// The drawing starts from a fixed seed, so one list with the same settings
// always gives the same cards.
std::string BuildBingoPage(const Dictionary& words, int cardCount, bool freeSpace);
