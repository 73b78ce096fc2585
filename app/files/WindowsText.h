#pragma once
// UTF-8 names as the UTF-16 that Windows' wide functions take (Windows only).

#include <string>

#include <windows.h>

namespace vortalin {

inline std::wstring Utf16(const std::string& utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int size = static_cast<int>(utf8.size());
    const int wideSize = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), wideSize);
    return wide;
}

} // namespace vortalin
