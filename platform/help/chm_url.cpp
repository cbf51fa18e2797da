#include "platform/help/chm_url.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace {

bool KeptInUrl(unsigned char c)
{
    return std::isalnum(c) || std::string("/._-~#").find(static_cast<char>(c)) != std::string::npos;
}

std::string PercentEncode(const std::string& text)
{
    std::string out;
    for (unsigned char c : text) {
        char escaped[4];
        std::snprintf(escaped, sizeof escaped, "%%%02X", c);
        out += KeptInUrl(c) ? std::string(1, static_cast<char>(c)) : std::string(escaped);
    }
    return out;
}

std::string PercentDecode(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool escape = text[i] == '%' && i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1]))
                      && std::isxdigit(static_cast<unsigned char>(text[i + 2]));
        if (!escape) {
            out += text[i];
            continue;
        }
        out += static_cast<char>(std::strtol(text.substr(i + 1, 2).c_str(), nullptr, 16));
        i += 2;
    }
    return out;
}

} // namespace

wxString ChmUrl(const wxString& scheme, const std::string& local)
{
    std::size_t start = local.find_first_not_of('/');
    std::string path = start == std::string::npos ? "" : local.substr(start);
    return scheme + ":///" + wxString::FromAscii(PercentEncode(path).c_str());
}

std::string ChmPathFromUrl(const wxString& url)
{
    std::string text = url.ToStdString(wxConvUTF8);
    std::size_t colon = text.find(':');
    std::string rest = colon == std::string::npos ? text : text.substr(colon + 1);
    rest = rest.substr(0, rest.find_first_of("?#"));
    std::size_t start = rest.find_first_not_of('/');
    return "/" + PercentDecode(start == std::string::npos ? "" : rest.substr(start));
}
