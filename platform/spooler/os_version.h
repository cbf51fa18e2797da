// The system's version query (kernel32's GetVersionExA). This platform answers as the NT
// family from version 5.1 on, whose spooler has its own default-printer call.
#pragma once

#include <cstdint>

constexpr std::uint32_t VER_PLATFORM_WIN32s = 0;
constexpr std::uint32_t VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr std::uint32_t VER_PLATFORM_WIN32_NT = 2;

struct OSVERSIONINFOA {
    std::uint32_t dwOSVersionInfoSize;
    std::uint32_t dwMajorVersion;
    std::uint32_t dwMinorVersion;
    std::uint32_t dwBuildNumber;
    std::uint32_t dwPlatformId;
    char szCSDVersion[128];
};
static_assert(sizeof(OSVERSIONINFOA) == 148, "callers pass 148 as the record size");

// 0 when the record is null or its size field is not 148.
int GetVersionExA(OSVERSIONINFOA* version);
