#include "app/document_markup.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>

#include "app/one_line.h"
#include "engine/ascii.h"

namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsNameStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsNameChar(char c) { return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == ':'; }
bool IsQuote(char c) { return c == '"' || c == '\''; }
// What stands on either side of a line end in a grid's picture.
bool IsLineBound(char c) { return c == '+' || c == '|' || c == '\n' || c == '\r'; }

int DigitValue(char c, int base)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (base == 16 && LowerAscii(c) >= 'a' && LowerAscii(c) <= 'f')
        return LowerAscii(c) - 'a' + 10;
    return -1;
}

// Walks the markup the way TinyXML identifies it. Where the two could part
// (a declaration, tag or character reference outside the plain shapes below),
// the walk gives up rather than guess, because a level or attribute it missed
// could be one too many.
class MarkupWalk {
public:
    MarkupWalk(const std::string& text, const std::vector<std::string>& oneLine,
               const std::vector<std::string>& noControl)
        : text_(text), oneLine_(oneLine), noControl_(noControl)
    {
    }

    DocumentMarkup Run()
    {
        while (shape_.followed && at_ < text_.size()) {
            if (!Content() || (at_ < text_.size() && !Markup()))
                shape_.followed = false;
        }
        shape_.text.append(text_, copied_, std::string::npos);
        return std::move(shape_);
    }

private:
    // What becomes of a character reference in the text a reader takes.
    enum class Rule { AsIs, OnOneLine, NoControl };

    // Text up to the next markup.
    bool Content()
    {
        const Rule rule = Opened(oneLine_) ? Rule::OnOneLine : Opened(noControl_) ? Rule::NoControl : Rule::AsIs;
        opened_.clear();
        const std::size_t from = at_;
        while (at_ < text_.size() && text_[at_] != '<') {
            if (text_[at_] == '&' && !Reference(rule))
                return false;
            ++at_;
        }
        if (rule == Rule::NoControl)
            CheckControlBytes(from);
        return true;
    }

    // TinyXML drops a text of white space alone; a CDATA section after it is
    // then the element's text.
    void CheckControlBytes(std::size_t from)
    {
        if (!std::all_of(text_.begin() + std::ptrdiff_t(from), text_.begin() + std::ptrdiff_t(at_), IsSpace))
            FindControlBytes(from, at_);
        else if (At("<![CDATA["))
            FindControlBytes(at_ + 9, std::min(text_.find("]]>", at_ + 9), text_.size()));
    }

    void FindControlBytes(std::size_t from, std::size_t end)
    {
        for (std::size_t i = from; i < end && !shape_.controlByte; ++i) {
            const bool lineEnd = text_[i] == '\n' || (text_[i] == '\r' && (i == from || IsLineBound(text_[i - 1])) &&
                                                       (i + 1 == end || IsLineBound(text_[i + 1])));
            shape_.controlByte = IsAsciiControl(text_[i]) && !lineEnd;
        }
    }

    bool Opened(const std::vector<std::string>& names) const
    {
        return std::find(names.begin(), names.end(), opened_) != names.end();
    }

    // TinyXML reads "&#" up to the next ';' anywhere after it, so a reference
    // is followed only when digits alone stand between. One to the byte 0 is
    // not followed either: it would end the text where the document is saved.
    bool Reference(Rule rule)
    {
        if (Peek(1) != '#' || Peek(2) == 0)
            return true;
        const int base = Peek(2) == 'x' ? 16 : 10;
        const std::size_t digits = at_ + (base == 16 ? 3 : 2);
        const std::size_t end = text_.find(';', digits);
        const std::optional<char> byte = end == std::string::npos ? std::nullopt : ByteOf(digits, end, base);
        if (!byte || *byte == '\0')
            return false;
        if (rule == Rule::OnOneLine)
            PutOnOneLine(*byte, end);
        shape_.controlReference |= rule == Rule::NoControl && IsAsciiControl(*byte);
        at_ = end;
        return true;
    }

    // The byte TinyXML makes of the digits: its count wraps, and it keeps the
    // lowest byte.
    std::optional<char> ByteOf(std::size_t from, std::size_t end, int base) const
    {
        std::uint64_t value = 0;
        for (std::size_t i = from; i < end; ++i) {
            const int digit = DigitValue(text_[i], base);
            if (digit < 0)
                return std::nullopt;
            value = value * std::uint64_t(base) + std::uint64_t(digit);
        }
        return char(value);
    }

    // The reference from here to `end` as it stands on one line.
    void PutOnOneLine(char byte, std::size_t end)
    {
        const std::string asRead(1, byte);
        const std::string line = OnOneLine(asRead);
        if (line == asRead)
            return;
        shape_.text.append(text_, copied_, at_ - copied_).append(line);
        copied_ = end + 1;
    }

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
        const std::size_t name = ++at_;
        Name();
        const std::size_t nameEnd = at_;
        ++depth_;
        shape_.depth = std::max(shape_.depth, depth_);
        for (int attributes = 0;; ++attributes) {
            shape_.attributes = std::max(shape_.attributes, attributes);
            const bool spaced = SkipSpace();
            if (Take("/>")) {
                --depth_;
                return true;
            }
            if (Take(">")) {
                opened_ = text_.substr(name, nameEnd - name);
                return true;
            }
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
            if (!allowed(text_[at_]) || (text_[at_] == '&' && !Reference(Rule::AsIs)))
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
    const std::vector<std::string>& oneLine_;
    const std::vector<std::string>& noControl_;
    DocumentMarkup shape_;
    std::size_t at_ = 0;
    std::size_t copied_ = 0;
    int depth_ = 0;
    // The element whose content the walk has just entered.
    std::string opened_;
};

}  // namespace

DocumentMarkup ReadMarkup(const std::string& text, const std::vector<std::string>& oneLine,
                          const std::vector<std::string>& noControl)
{
    return MarkupWalk(text, oneLine, noControl).Run();
}
