// The spooler's way of handing out records: the caller's buffer gets the fixed records
// first and their strings after them, and a buffer too small only learns the size needed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace spooler {

// Bytes the strings take in the buffer, terminators included.
std::size_t TextBytes(std::initializer_list<const std::string*> texts);

// Reports the size needed; true when the caller's buffer holds it.
bool BufferHolds(std::size_t needed, const unsigned char* buffer, std::uint32_t capacity,
                 std::uint32_t* bytes_needed);

// Hands out places for strings behind the records of a buffer.
class TextArea {
public:
    TextArea(unsigned char* buffer, std::size_t record_bytes);
    char* Put(const std::string& text);

private:
    char* next_;
};

}  // namespace spooler
