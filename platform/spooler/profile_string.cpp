#include "platform/spooler/profile_string.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <string>

namespace {

using Section = std::map<std::string, std::string>;

std::mutex profile_lock;
std::map<std::string, Section>& Profile() {
    static std::map<std::string, Section> profile;
    return profile;
}

std::uint32_t CopyCut(const std::string& text, char* buffer, std::uint32_t capacity) {
    if (!buffer || capacity == 0)
        return 0;
    const auto copied = static_cast<std::uint32_t>(std::min<std::size_t>(text.size(), capacity - 1));
    std::memcpy(buffer, text.data(), copied);
    buffer[copied] = '\0';
    return copied;
}

}  // namespace

int WriteProfileStringA(const char* section, const char* key, const char* value) {
    if (!section)
        return 0;
    std::lock_guard<std::mutex> hold(profile_lock);
    if (!key)
        Profile().erase(section);
    else if (!value)
        Profile()[section].erase(key);
    else
        Profile()[section][key] = value;
    return 1;
}

std::uint32_t GetProfileStringA(const char* section, const char* key, const char* fallback,
                                char* buffer, std::uint32_t capacity) {
    std::string text = fallback ? fallback : "";
    if (section && key) {
        std::lock_guard<std::mutex> hold(profile_lock);
        const auto found_section = Profile().find(section);
        if (found_section != Profile().end()) {
            const auto found = found_section->second.find(key);
            if (found != found_section->second.end())
                text = found->second;
        }
    }
    return CopyCut(text, buffer, capacity);
}
