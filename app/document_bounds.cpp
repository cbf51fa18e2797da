#include "app/document_bounds.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsNameStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsNameChar(char c) { return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == ':'; }
bool IsQuote(char c) { return c == '"' || c == '\''; }
char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// Walks the markup the way TinyXML identifies it. Where the two could part
// (a declaration or tag outside the plain shapes below), the walk gives up
// rather than guess, because a level it missed could be one too many.
class DepthWalk {
public:
    explicit DepthWalk(const std::string& text) : text_(text) {}

    int Run()
    {
        while ((at_ = text_.find('<', at_)) != std::string::npos) {
            if (!Markup())
                return -1;
        }
        return deepest_;
    }

private:
    bool Markup()
    {
        if (At("<!--"))
            return SkipPast("-->", 4);
        if (At("<![CDATA["))
            return SkipPast("]]>", 9);
        if (AtDeclaration())
            return Declaration();
        if (At("<!"))
            return SkipPast(">", 2);
        if (At("</"))
            return EndTag();
        const unsigned char next = Peek(1);
        if (next >= 0x7f)
            return false;
        if (IsNameStart(char(next)))
            return StartTag();
        return SkipPast(">", 1);
    }

    bool StartTag()
    {
        ++at_;
        Name();
        ++depth_;
        deepest_ = std::max(deepest_, depth_);
        while (true) {
            const bool spaced = SkipSpace();
            if (Take("/>")) {
                --depth_;
                return true;
            }
            if (Take(">"))
                return true;
            if (!spaced || !Attribute([](char c) { return c != '\0'; }))
                return false;
        }
    }

    bool EndTag()
    {
        at_ += 2;
        if (!Name())
            return false;
        SkipSpace();
        depth_ = std::max(0, depth_ - 1);
        return Take(">");
    }

    // Only plain declarations: TinyXML reads their quoted values by other rules
    // than tags', and the two agree while values hold no quote, blank or bracket.
    bool Declaration()
    {
        at_ += 5;
        auto plain = [](char c) { return !IsQuote(c) && !IsSpace(c) && c != '<' && c != '>' && c != '\0'; };
        while (true) {
            const bool spaced = SkipSpace();
            if (Take("?>") || Take(">"))
                return true;
            if (!spaced || !Attribute(plain))
                return false;
        }
    }

    template <typename ValueChar>
    bool Attribute(ValueChar allowed)
    {
        if (!Name())
            return false;
        SkipSpace();
        if (!Take("="))
            return false;
        SkipSpace();
        const char quote = char(Peek(0));
        if (!IsQuote(quote))
            return false;
        for (++at_; at_ < text_.size() && text_[at_] != quote; ++at_) {
            if (!allowed(text_[at_]))
                return false;
        }
        return Take(std::string(1, quote).c_str());
    }

    bool Name()
    {
        if (!IsNameStart(char(Peek(0))))
            return false;
        while (at_ < text_.size() && IsNameChar(text_[at_]))
            ++at_;
        return true;
    }

    bool SkipSpace()
    {
        const std::size_t from = at_;
        while (at_ < text_.size() && IsSpace(text_[at_]))
            ++at_;
        return at_ > from;
    }

    // Markup left open at the end of the text: TinyXML stops there as well.
    bool SkipPast(const char* end, std::size_t opening)
    {
        const std::size_t found = text_.find(end, at_ + opening);
        at_ = found == std::string::npos ? text_.size() : found + std::strlen(end);
        return true;
    }

    bool AtDeclaration() const
    {
        static const char opening[] = "<?xml";
        for (std::size_t i = 0; i < 5; ++i) {
            if (LowerAscii(char(Peek(i))) != opening[i])
                return false;
        }
        return true;
    }

    bool At(const char* piece) const { return text_.compare(at_, std::strlen(piece), piece) == 0; }

    bool Take(const char* piece)
    {
        if (!At(piece))
            return false;
        at_ += std::strlen(piece);
        return true;
    }

    unsigned char Peek(std::size_t ahead) const
    {
        return at_ + ahead < text_.size() ? static_cast<unsigned char>(text_[at_ + ahead]) : 0;
    }

    const std::string& text_;
    std::size_t at_ = 0;
    int depth_ = 0;
    int deepest_ = 0;
};

}  // namespace

int ElementDepth(const std::string& text) { return DepthWalk(text).Run(); }

std::string Thousands(std::size_t number)
{
    std::string digits = std::to_string(number);
    for (int at = int(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(std::size_t(at), ",");
    return digits;
}

namespace {

// Long texts are named by their start.
std::string Named(const std::string& text)
{
    constexpr std::size_t shown = 30;
    return "\"" + (text.size() > shown ? text.substr(0, shown) + "..." : text) + "\"";
}

std::string LengthFailure(const std::string& named, const std::string& text, int limit)
{
    if (text.size() <= std::size_t(limit))
        return "";
    return named + " holds " + Thousands(text.size()) + " characters, more than the " + Thousands(std::size_t(limit)) +
           " it may hold";
}

}  // namespace

// The word's failure comes first.
std::string EntryFailure(const std::string& word, const std::string& clue)
{
    const std::string failure = LengthFailure("the word " + Named(word), word, MaxWordChars);
    return failure.empty() ? LengthFailure("the clue of the word " + Named(word), clue, MaxClueChars) : failure;
}

std::string TitleFailure(const std::string& title) { return LengthFailure("the title", title, MaxTitleChars); }

std::string PageFailure(std::size_t pageBytes)
{
    if (pageBytes <= MaxPageBytes)
        return "";
    return "its page would be larger than " + std::to_string(MaxPageBytes / (1024 * 1024)) +
           " MB, too long to show";
}
