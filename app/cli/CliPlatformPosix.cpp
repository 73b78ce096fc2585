#include "app/cli/CliPlatform.h"

#include <csignal>
#include <cstdlib>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vortalin {

namespace {

// A signal handler may do no more than set a flag of this type.
volatile std::sig_atomic_t received = 0;
struct sigaction oldInt {};
struct sigaction oldTerm {};
struct sigaction oldPipe {};

void OnSignal(int signal) {
    received = signal;
}

// A signal that the program was started to ignore (nohup) stays ignored.
void Catch(int signal, const struct sigaction& stop, struct sigaction& old) {
    sigaction(signal, &stop, &old);
    if (old.sa_handler == SIG_IGN) {
        sigaction(signal, &old, nullptr);
    }
}

} // namespace

void PrepareConsole() {}

bool NamesStandardOutput(const std::string& path) {
    struct stat named {};
    struct stat out {};
    return path == "-" || (::stat(path.c_str(), &named) == 0 && ::fstat(STDOUT_FILENO, &out) == 0 &&
                           named.st_dev == out.st_dev && named.st_ino == out.st_ino);
}

StopRequests::StopRequests() {
    struct sigaction stop {};
    stop.sa_handler = &OnSignal;
    stop.sa_flags = SA_RESETHAND; // no SA_RESTART: a blocked write returns at once
    sigemptyset(&stop.sa_mask);
    Catch(SIGINT, stop, oldInt);
    Catch(SIGTERM, stop, oldTerm);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGPIPE, &ignore, &oldPipe);
}

StopRequests::~StopRequests() {
    sigaction(SIGINT, &oldInt, nullptr);
    sigaction(SIGTERM, &oldTerm, nullptr);
    sigaction(SIGPIPE, &oldPipe, nullptr);
}

int StopRequests::Received() {
    return received;
}

void EndAsStopped(int signal) {
    std::raise(signal); // the handlers are back: the signal ends the program
    std::_Exit(128 + signal);
}

} // namespace vortalin
