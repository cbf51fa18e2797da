#include "platform/spooler/record_buffer.h"

#include <cstring>
#include <limits>

namespace spooler {

std::size_t TextBytes(std::initializer_list<const std::string*> texts) {
    std::size_t bytes = 0;
    for (const std::string* text : texts)
        bytes += text->size() + 1;
    return bytes;
}

bool BufferHolds(std::size_t needed, const unsigned char* buffer, std::uint32_t capacity,
                 std::uint32_t* bytes_needed) {
    if (needed > std::numeric_limits<std::uint32_t>::max())
        return false;
    *bytes_needed = static_cast<std::uint32_t>(needed);
    return needed <= capacity && (buffer || needed == 0);
}

TextArea::TextArea(unsigned char* buffer, std::size_t record_bytes)
    : next_(reinterpret_cast<char*>(buffer + record_bytes)) {}

char* TextArea::Put(const std::string& text) {
    char* place = next_;
    std::memcpy(place, text.c_str(), text.size() + 1);
    next_ += text.size() + 1;
    return place;
}

}  // namespace spooler
