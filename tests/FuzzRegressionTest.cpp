// Runs the fuzz targets' property checks over the seed corpora and the stored findings.

#include "fuzz/BatchOracle.h"
#include "fuzz/Oracles.h"
#ifdef VORTALIN_HAVE_CASE_FILES
#include "fuzz/CaseFileOracle.h"
#include "fuzz/SheetJsonOracle.h"
#endif

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vortalin::fuzz {
namespace {

namespace fs = std::filesystem;

using Check = std::string (*)(const std::uint8_t*, std::size_t);

std::size_t CheckAllFiles(const std::string& kind, Check check) {
    std::size_t count = 0;
    for (const char* folder : {"seeds", "regressions"}) {
        const fs::path dir = fs::path(VORTALIN_FUZZ_DIR) / folder / kind;
        if (!fs::exists(dir)) {
            continue;
        }
        for (const auto& entry : fs::directory_iterator(dir)) {
            std::ifstream in(entry.path(), std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
            EXPECT_EQ(check(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), "")
                << entry.path();
            ++count;
        }
    }
    return count;
}

TEST(FuzzRegressions, NumberFormats) {
    EXPECT_GT(CheckAllFiles("numbers", CheckNumberFormats), 0u);
}

TEST(FuzzRegressions, ComputeCommand) {
    EXPECT_GT(CheckAllFiles("compute", CheckCompute), 0u);
}

#ifdef VORTALIN_HAVE_CASE_FILES
TEST(FuzzRegressions, CaseFiles) {
    EXPECT_GT(CheckAllFiles("cases", CheckCaseFile), 0u);
}

TEST(FuzzRegressions, SheetJson) {
    EXPECT_GT(CheckAllFiles("sheets", CheckSheetJson), 0u);
}
#endif

TEST(FuzzRegressions, BatchTables) {
    EXPECT_GT(CheckAllFiles("batch", CheckBatchTable), 0u);
}

} // namespace
} // namespace vortalin::fuzz
