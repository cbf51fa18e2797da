#include "platform/help/chm_contents.h"

#include <cctype>
#include <cstdlib>
#include <map>

namespace {

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool IsSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// The character references a contents file uses; other text stays as it is.
std::string DecodeEntities(const std::string& text)
{
    static const std::map<std::string, char> named = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::size_t end = text[i] == '&' ? text.find(';', i) : std::string::npos;
        std::string name = end == std::string::npos ? "" : text.substr(i + 1, end - i - 1);
        auto found = named.find(name);
        long code = name.size() > 1 && name[0] == '#' ? std::strtol(name.c_str() + 1, nullptr, 10) : 0;
        if (found != named.end())
            out += found->second;
        else if (code > 0 && code < 256)
            out += static_cast<char>(code);
        else {
            out += text[i];
            continue;
        }
        i = end;
    }
    return out;
}

// One tag: its lower-case name ("/ul" for a closing tag) and its attributes, whose
// names are lower-cased and whose values are decoded.
struct Tag {
    std::string name;
    std::map<std::string, std::string> attributes;
};

class TagReader {
public:
    explicit TagReader(const std::string& text) : text_(text) {}

    bool Next(Tag& tag)
    {
        pos_ = text_.find('<', pos_);
        if (pos_ == std::string::npos)
            return false;
        ++pos_;
        tag = Tag();
        tag.name = Lower(Word());
        while (SkipSpace() && text_[pos_] != '>') {
            std::string name = Lower(Word());
            if (name.empty()) {
                ++pos_;
                continue;
            }
            tag.attributes[name] = SkipSpace() && text_[pos_] == '=' ? (++pos_, Value()) : "";
        }
        return true;
    }

private:
    bool SkipSpace()
    {
        while (pos_ < text_.size() && IsSpace(text_[pos_]))
            ++pos_;
        return pos_ < text_.size();
    }

    std::string Word()
    {
        std::size_t start = pos_;
        while (pos_ < text_.size() && !IsSpace(text_[pos_]) && text_[pos_] != '>' && text_[pos_] != '=')
            ++pos_;
        return text_.substr(start, pos_ - start);
    }

    std::string Value()
    {
        if (!SkipSpace())
            return "";
        char quote = text_[pos_];
        if (quote != '"' && quote != '\'')
            return DecodeEntities(Word());
        std::size_t end = text_.find(quote, pos_ + 1);
        if (end == std::string::npos)
            end = text_.size();
        std::string value = text_.substr(pos_ + 1, end - pos_ - 1);
        pos_ = end + 1;
        return DecodeEntities(value);
    }

    const std::string& text_;
    std::size_t pos_ = 0;
};

// Builds the tree while the tags go by: levels holds the list that each open <UL> adds to.
class SitemapBuilder {
public:
    SitemapBuilder() { levels_.push_back(&topics_); }

    void Take(const Tag& tag)
    {
        if (tag.name == "ul")
            OpenList();
        else if (tag.name == "/ul" && levels_.size() > 1)
            levels_.pop_back();
        else if (tag.name == "object")
            inTopic_ = Lower(Attribute(tag, "type")) == "text/sitemap";
        else if (tag.name == "param" && inTopic_)
            TakeParam(Attribute(tag, "name"), Attribute(tag, "value"));
        else if (tag.name == "/object" && inTopic_)
            FinishTopic();
    }

    std::vector<ChmTopic> Result() { return std::move(topics_); }

private:
    static std::string Attribute(const Tag& tag, const std::string& name)
    {
        auto found = tag.attributes.find(name);
        return found == tag.attributes.end() ? "" : found->second;
    }

    // An outermost list holds the top entries; an inner one nests under the entry before it.
    void OpenList()
    {
        std::vector<ChmTopic>* list = levels_.back();
        bool outermost = levels_.size() == 1;
        levels_.push_back(outermost || list->empty() ? list : &list->back().children);
    }

    // Merged help files repeat Name and Local for each part; the first pair counts.
    void TakeParam(const std::string& name, const std::string& value)
    {
        std::string key = Lower(name);
        if (key == "name" && topic_.name.empty())
            topic_.name = value;
        else if (key == "local" && topic_.local.empty())
            topic_.local = value;
    }

    void FinishTopic()
    {
        levels_.back()->push_back(std::move(topic_));
        topic_ = ChmTopic();
        inTopic_ = false;
    }

    std::vector<ChmTopic> topics_;
    std::vector<std::vector<ChmTopic>*> levels_;
    ChmTopic topic_;
    bool inTopic_ = false;
};

} // namespace

std::vector<ChmTopic> ParseSitemap(const std::string& text)
{
    TagReader reader(text);
    SitemapBuilder builder;
    Tag tag;
    while (reader.Next(tag))
        builder.Take(tag);
    return builder.Result();
}
