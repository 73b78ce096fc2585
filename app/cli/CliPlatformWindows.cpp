#include "app/cli/CliPlatform.h"

#include "app/files/WindowsText.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace vortalin {

namespace {

std::atomic<int> received{0};

// Runs on a thread of its own that Windows starts for the console event. The first request
// only asks the sweep to stop; a later one is left to the default handler, which ends the
// program.
BOOL WINAPI OnConsoleEvent(DWORD event) {
    if (received.load() != 0) {
        return FALSE;
    }
    received = event == CTRL_C_EVENT ? SIGINT : SIGTERM;
    return TRUE;
}

bool SameFile(HANDLE a, HANDLE b) {
    BY_HANDLE_FILE_INFORMATION first{};
    BY_HANDLE_FILE_INFORMATION second{};
    return GetFileInformationByHandle(a, &first) && GetFileInformationByHandle(b, &second) &&
           first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh &&
           first.nFileIndexLow == second.nFileIndexLow;
}

} // namespace

void PrepareConsole() {
    SetConsoleOutputCP(CP_UTF8);
    // Byte for byte: the results file on standard output keeps its own CR LF, and every
    // other text ends its lines with a line feed as on Linux.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

bool NamesStandardOutput(const std::string& path) {
    if (path == "-") {
        return true;
    }
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out == INVALID_HANDLE_VALUE || out == nullptr || GetFileType(out) != FILE_TYPE_DISK) {
        return false;
    }
    const HANDLE named =
        CreateFileW(Utf16(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (named == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool same = SameFile(named, out);
    CloseHandle(named);
    return same;
}

StopRequests::StopRequests() {
    SetConsoleCtrlHandler(&OnConsoleEvent, TRUE);
}

StopRequests::~StopRequests() {
    SetConsoleCtrlHandler(&OnConsoleEvent, FALSE);
}

int StopRequests::Received() {
    return received.load();
}

void EndAsStopped(int signal) {
    // Ctrl+C ends a console program with STATUS_CONTROL_C_EXIT.
    std::fflush(nullptr);
    ExitProcess(signal == SIGINT ? static_cast<UINT>(STATUS_CONTROL_C_EXIT) : 128 + signal);
}

} // namespace vortalin
