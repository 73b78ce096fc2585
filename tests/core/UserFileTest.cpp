// The one writer of the user's files, by the kind of target, without any front end.

#include "app/files/UserFile.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vortalin {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class UserFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("vortalin-userfile-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        std::ofstream(dir / "earlier.txt") << "earlier";
        fs::permissions(dir / "earlier.txt", static_cast<fs::perms>(0640));
    }
    void TearDown() override { fs::remove_all(dir); }

    std::size_t Entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
    }

    fs::path dir;
};

struct KindCase {
    const char* name;
    std::function<fs::path(const fs::path& dir)> prepare; // returns the path written
    const char* refusal;                                  // empty when the write succeeds
    const char* fileWritten;                              // which file holds "new" then
};

#ifndef _WIN32 // links, /dev/full and modes: POSIX kinds (Windows has its own cli checks)
TEST_F(UserFile, EachKindOfTargetIsWrittenOrRefusedAsItShould) {
    const KindCase cases[] = {
        {"regular file", [](const fs::path& d) { return d / "earlier.txt"; }, "", "earlier.txt"},
        {"new file", [](const fs::path& d) { return d / "new.txt"; }, "", "new.txt"},
        {"link chain",
         [](const fs::path& d) {
             fs::create_symlink("earlier.txt", d / "l1");
             fs::create_symlink("l1", d / "l2");
             return d / "l2";
         },
         "", "earlier.txt"},
        {"dangling link",
         [](const fs::path& d) {
             fs::create_symlink("later.txt", d / "dangling");
             return d / "dangling";
         },
         "", "later.txt"},
        {"link loop",
         [](const fs::path& d) {
             fs::create_symlink("loop", d / "loop");
             return d / "loop";
         },
         "symbolické odkazy tvoria slučku", ""},
        {"folder",
         [](const fs::path& d) {
             fs::create_directory(d / "folder");
             return d / "folder";
         },
         "v ceste stojí priečinok s rovnakým názvom", ""},
        {"missing folder", [](const fs::path& d) { return d / "none" / "x.txt"; },
         "priečinok neexistuje", ""},
        {"full device", [](const fs::path&) { return fs::path("/dev/full"); },
         "na disku nie je voľné miesto", ""},
    };
    for (const KindCase& c : cases) {
        SetUp();
        const fs::path target = c.prepare(dir);
        const std::size_t entries = Entries();
        const std::string reason = WriteUserFile(target.string(), "new");
        EXPECT_EQ(reason, c.refusal) << c.name;
        if (*c.fileWritten != '\0') {
            EXPECT_EQ(Read(dir / c.fileWritten), "new") << c.name;
        } else {
            EXPECT_EQ(Read(dir / "earlier.txt"), "earlier") << c.name;
        }
        // Links stay links, the mode is kept and no temporary file stays.
        EXPECT_EQ(fs::status(dir / "earlier.txt").permissions(), static_cast<fs::perms>(0640))
            << c.name;
        const bool created =
            std::string(c.fileWritten) == "new.txt" || std::string(c.fileWritten) == "later.txt";
        EXPECT_EQ(Entries(), entries + (created ? 1 : 0)) << c.name;
        TearDown();
    }
}
#endif

TEST_F(UserFile, DroppedOrFailedWritesLeaveTheEarlierFile) {
    {
        const auto sink = OpenUserFile((dir / "earlier.txt").string());
        ASSERT_TRUE(sink->IsOpen());
        EXPECT_TRUE(sink->Write(std::string(200000, 'x'))); // beyond one buffer
    }                                                       // dropped without a commit
    EXPECT_EQ(Read(dir / "earlier.txt"), "earlier");
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(UserFile, WritesSmallerAndLargerThanTheBufferArriveInOrder) {
    // Pieces below the buffer are gathered, one of the buffer's size or more goes through
    // at once after them.
    const std::size_t kBuffer = 64 * 1024;
    const std::string pieces[] = {"a;",
                                  std::string(kBuffer, 'b'),
                                  "c;",
                                  std::string(kBuffer - 1, 'd'),
                                  std::string(3 * kBuffer, 'e'),
                                  std::string(kBuffer + 1, 'f'),
                                  "g"};
    const auto sink = OpenUserFile((dir / "earlier.txt").string());
    ASSERT_TRUE(sink->IsOpen());
    std::string expected;
    for (const std::string& piece : pieces) {
        EXPECT_TRUE(sink->Write(piece)) << piece.size();
        expected += piece;
    }
    EXPECT_EQ(Read(dir / "earlier.txt"), "earlier"); // nothing in place before the commit
    ASSERT_TRUE(sink->Commit());
    EXPECT_EQ(Read(dir / "earlier.txt"), expected);
}

#ifndef _WIN32 // FIFOs: POSIX only
TEST_F(UserFile, FifoIsWrittenDirectlyInOrder) {
    const fs::path fifo = dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = Read(fifo); });
    auto sink = OpenUserFile(fifo.string());
    ASSERT_TRUE(sink->IsOpen());
    EXPECT_TRUE(sink->Write("first;") && sink->Write(std::string(100000, 'y')) && sink->Commit());
    sink.reset(); // closes the pipe, so the reader ends
    reader.join();
    EXPECT_EQ(received, "first;" + std::string(100000, 'y'));
    EXPECT_TRUE(fs::is_fifo(fifo));
}
#endif

} // namespace
} // namespace vortalin
