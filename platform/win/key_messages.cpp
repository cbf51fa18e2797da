#include "platform/win/key_messages.h"

#include "platform/win/window_messages.h"

#include <wx/event.h>

#include <map>

namespace {

constexpr WPARAM VK_F1 = 0x70;
constexpr WPARAM VK_F10 = 0x79;
constexpr WPARAM VK_NUMPAD0 = 0x60;

const std::map<int, WPARAM>& SpecialKeys()
{
    static const std::map<int, WPARAM> keys = {
        {WXK_BACK, 0x08},     {WXK_TAB, 0x09},       {WXK_RETURN, 0x0D},    {WXK_ESCAPE, 0x1B},
        {WXK_SPACE, 0x20},    {WXK_DELETE, 0x2E},    {WXK_SHIFT, 0x10},     {WXK_CONTROL, 0x11},
        {WXK_ALT, 0x12},      {WXK_PAUSE, 0x13},     {WXK_CAPITAL, 0x14},   {WXK_PAGEUP, 0x21},
        {WXK_PAGEDOWN, 0x22}, {WXK_END, 0x23},       {WXK_HOME, 0x24},      {WXK_LEFT, 0x25},
        {WXK_UP, 0x26},       {WXK_RIGHT, 0x27},     {WXK_DOWN, 0x28},      {WXK_INSERT, 0x2D},
        {WXK_MULTIPLY, 0x6A}, {WXK_ADD, 0x6B},       {WXK_SUBTRACT, 0x6D},  {WXK_DECIMAL, 0x6E},
        {WXK_DIVIDE, 0x6F},   {WXK_NUMLOCK, 0x90},   {WXK_SCROLL, 0x91},    {WXK_NUMPAD_ENTER, 0x0D},
        {WXK_NUMPAD_LEFT, 0x25}, {WXK_NUMPAD_UP, 0x26}, {WXK_NUMPAD_RIGHT, 0x27}, {WXK_NUMPAD_DOWN, 0x28},
        {WXK_NUMPAD_HOME, 0x24}, {WXK_NUMPAD_END, 0x23}, {WXK_NUMPAD_PAGEUP, 0x21},
        {WXK_NUMPAD_PAGEDOWN, 0x22}, {WXK_NUMPAD_INSERT, 0x2D}, {WXK_NUMPAD_DELETE, 0x2E},
        {';', 0xBA}, {'=', 0xBB}, {',', 0xBC}, {'-', 0xBD}, {'.', 0xBE}, {'/', 0xBF}, {'`', 0xC0},
        {'[', 0xDB}, {'\\', 0xDC}, {']', 0xDD}, {'\'', 0xDE},
    };
    return keys;
}

// Repeat count 1, the scan code, Alt as context, and for a release the
// previous-state and transition bits.
LPARAM KeyData(const wxKeyEvent& event, bool release)
{
    const std::uint32_t hardwareCode = event.GetRawKeyFlags();
    const std::uint32_t scanCode = hardwareCode >= 8 ? (hardwareCode - 8) & 0xFF : 0;
    std::uint32_t data = 1 | (scanCode << 16);
    if (event.AltDown())
        data |= 1u << 29;
    if (release)
        data |= (1u << 30) | (1u << 31);
    return LPARAM(std::int32_t(data));
}

}  // namespace

WPARAM VirtualKeyCode(int key)
{
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        return WPARAM(key);
    if (key >= 'a' && key <= 'z')
        return WPARAM(key - 'a' + 'A');
    if (key >= WXK_F1 && key <= WXK_F24)
        return VK_F1 + WPARAM(key - WXK_F1);
    if (key >= WXK_NUMPAD0 && key <= WXK_NUMPAD9)
        return VK_NUMPAD0 + WPARAM(key - WXK_NUMPAD0);
    const auto found = SpecialKeys().find(key);
    return found == SpecialKeys().end() ? 0 : found->second;
}

KeyMessage KeyEventToMessage(const wxKeyEvent& event)
{
    const wxEventType type = event.GetEventType();
    const bool alt = event.AltDown();
    if (type == wxEVT_CHAR) {
        const wxChar character = event.GetUnicodeKey();
        const WPARAM code = character != WXK_NONE ? WPARAM(character) : WPARAM(event.GetKeyCode());
        return {alt ? WM_SYSCHAR : WM_CHAR, code, KeyData(event, false)};
    }
    const bool release = type == wxEVT_KEY_UP;
    if (!release && type != wxEVT_KEY_DOWN)
        return {0, 0, 0};
    const WPARAM key = VirtualKeyCode(event.GetKeyCode());
    if (key == 0)
        return {0, 0, 0};
    const bool system = alt || key == VK_F10;
    const UINT message = release ? (system ? WM_SYSKEYUP : WM_KEYUP) : (system ? WM_SYSKEYDOWN : WM_KEYDOWN);
    return {message, key, KeyData(event, release)};
}
