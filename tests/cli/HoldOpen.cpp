// Keeps a file open as a spreadsheet does while it shows it (others may read it, not write
// or delete it), for the command-line tests of the Windows build.
// Usage: hold_open FILE READY_MARKER SECONDS. READY_MARKER is created once the file is open.

#include <cstdio>
#include <cstdlib>
#include <string>

#include <windows.h>

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 4) {
        std::fputs("usage: hold_open FILE READY_MARKER SECONDS\n", stderr);
        return 2;
    }
    const HANDLE file = CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "hold_open: cannot open the file (error %lu)\n", GetLastError());
        return 1;
    }
    const HANDLE marker = CreateFileW(argv[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    CloseHandle(marker);
    Sleep(static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10)) * 1000);
    CloseHandle(file);
    return 0;
}
