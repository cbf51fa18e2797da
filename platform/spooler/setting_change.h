// The broadcast that tells every window a system setting changed (user32's
// SendMessageTimeoutA to HWND_BROADCAST). CUPS clients read the default printer afresh on
// each use, so on this platform there is nobody to tell and the broadcast succeeds at once.
#pragma once

#include <cstdint>

constexpr std::uintptr_t HWND_BROADCAST = 0xFFFF;
constexpr unsigned WM_WININICHANGE = 0x001A;
constexpr unsigned WM_SETTINGCHANGE = WM_WININICHANGE;
constexpr unsigned SMTO_NORMAL = 0x0000;

// Non-zero for a broadcast; 0 for any single window, which this platform cannot reach.
std::intptr_t SendMessageTimeoutA(std::uintptr_t window, unsigned message, std::uintptr_t wparam,
                                  std::intptr_t lparam, unsigned flags, unsigned timeout_ms,
                                  std::uintptr_t* result);
