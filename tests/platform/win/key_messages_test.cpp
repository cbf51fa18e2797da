#include "platform/win/key_messages.h"

#include "platform/win/window_messages.h"

#include <gtest/gtest.h>
#include <wx/event.h>

namespace {

wxKeyEvent Key(wxEventType type, int code, bool alt = false, wxChar character = WXK_NONE)
{
    wxKeyEvent event(type);
    event.m_keyCode = code;
    event.m_uniChar = character;
    event.SetAltDown(alt);
    return event;
}

}  // namespace

TEST(KeyEventToMessage, KeysBecomeKeyMessagesWithVirtualKeyCodes)
{
    const struct {
        int code;
        WPARAM virtualKey;
    } keys[] = {{'A', 0x41}, {'z', 0x5A}, {'7', 0x37}, {';', 0xBA}, {WXK_RETURN, 0x0D}, {WXK_SHIFT, 0x10},
                {WXK_LEFT, 0x25}, {WXK_F5, 0x74}, {WXK_DELETE, 0x2E}, {WXK_NUMPAD3, 0x63}};
    for (const auto& key : keys)
        EXPECT_EQ(KeyEventToMessage(Key(wxEVT_KEY_DOWN, key.code)).wParam, key.virtualKey) << key.code;

    const KeyMessage down = KeyEventToMessage(Key(wxEVT_KEY_DOWN, 'A'));
    EXPECT_EQ(down.message, WM_KEYDOWN);
    EXPECT_EQ(down.lParam & 0xFFFF, 1);  // one stroke
    const KeyMessage up = KeyEventToMessage(Key(wxEVT_KEY_UP, WXK_LEFT));
    EXPECT_EQ(up.message, WM_KEYUP);
    EXPECT_EQ(DWORD(up.lParam) >> 30, 3u);  // was down, now released
    const KeyMessage character = KeyEventToMessage(Key(wxEVT_CHAR, 'e', false, wxChar(0xE9)));
    EXPECT_EQ(character.message, WM_CHAR);
    EXPECT_EQ(character.wParam, 0xE9u);
}

TEST(KeyEventToMessage, AltAndF10GiveSystemMessages)
{
    const KeyMessage altDown = KeyEventToMessage(Key(wxEVT_KEY_DOWN, 'F', true));
    EXPECT_EQ(altDown.message, WM_SYSKEYDOWN);
    EXPECT_NE(altDown.lParam & (1 << 29), 0);
    EXPECT_EQ(KeyEventToMessage(Key(wxEVT_KEY_UP, 'F', true)).message, WM_SYSKEYUP);
    EXPECT_EQ(KeyEventToMessage(Key(wxEVT_KEY_DOWN, WXK_F10)).message, WM_SYSKEYDOWN);
    EXPECT_EQ(KeyEventToMessage(Key(wxEVT_CHAR, 'f', true, 'f')).message, WM_SYSCHAR);
    // A key without a virtual-key code stands for no message.
    EXPECT_EQ(KeyEventToMessage(Key(wxEVT_KEY_DOWN, WXK_BROWSER_BACK)).message, 0u);
}

TEST(KeyEventToMessage, EveryMessageLiesInTheKeyboardRange)
{
    for (wxEventType type : {wxEVT_KEY_DOWN, wxEVT_KEY_UP, wxEVT_CHAR})
        for (int code : {int('A'), int('7'), int(WXK_RETURN), int(WXK_F1), int(WXK_HOME), int(WXK_SHIFT), int(';')})
            for (bool alt : {false, true}) {
                const UINT message = KeyEventToMessage(Key(type, code, alt, wxChar(code < 128 ? code : 0))).message;
                EXPECT_GE(message, WM_KEYDOWN) << code;
                EXPECT_LE(message, WM_SYSDEADCHAR) << code;
            }
}
