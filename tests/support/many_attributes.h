#pragma once

// Documents whose root carries far more attributes than the program ever
// writes, for the tests and the benchmark of Open.
#include <cstddef>
#include <string>

// The n-th of the shortest attributes with names of their own: ` a=""` to
// ` Z=""`, then ` aa=""` and on.
inline std::string ShortAttribute(std::size_t n)
{
    static const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string name(1, letters[n % letters.size()]);
    for (n /= letters.size(); n > 0; n = (n - 1) / letters.size())
        name.insert(name.begin(), letters[(n - 1) % letters.size()]);
    return " " + name + "=\"\"";
}

// As many of them as `count`, or as fit in `bytes`.
inline std::string ShortAttributes(std::size_t count, std::size_t bytes)
{
    std::string text;
    for (std::size_t n = 0; n < count; ++n) {
        const std::string attribute = ShortAttribute(n);
        if (text.size() + attribute.size() > bytes)
            break;
        text += attribute;
    }
    return text;
}

// A document of at most `bytes` whose root carries its type and `count` more.
inline std::string ManyAttributes(std::size_t count, std::size_t bytes)
{
    const std::string start = "<document type=\"freeform\"", end = "></document>";
    return start + ShortAttributes(count, bytes - start.size() - end.size()) + end;
}
