#pragma once

#include <string>
#include <vector>

// One entry of a help file's table of contents: its title, the page it opens (empty
// for a heading without a page) and the entries below it. Texts are the file's bytes.
struct ChmTopic {
    std::string name;
    std::string local;
    std::vector<ChmTopic> children;
};

// Reads the sitemap of a contents file (.hhc): each <OBJECT type="text/sitemap"> with its
// "Name" and "Local" parameters is one entry, and a <UL> nests the entries it holds
// under the entry before it. Tags are matched without regard to case; anything else is
// skipped, so damaged text gives what could be read.
std::vector<ChmTopic> ParseSitemap(const std::string& text);
