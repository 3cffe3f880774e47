// Outputs appear whole or not at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "refhost/AtomicWrite.h"

namespace {

namespace fs = std::filesystem;

class AtomicWrite : public testing::Test {
protected:
    void SetUp() override {
        directory_ = fs::path(testing::TempDir()) / ("vornix-atomic-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        fs::remove_all(directory_);
        fs::create_directories(directory_);
    }
    void TearDown() override { fs::remove_all(directory_); }

    std::string Path(const std::string& name) const { return (directory_ / name).string(); }
    std::vector<std::string> Listing() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(directory_)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path directory_;
};

TEST_F(AtomicWrite, WritesEveryFileAndReplacesOldOnes) {
    std::ofstream(Path("a.obj")) << "old and longer than the new text";
    WriteFilesAtomically({{Path("a.obj"), "new"}, {Path("b.ply"), std::string("\0\1\n", 3)}});
    EXPECT_EQ(Contents(Path("a.obj")), "new");
    EXPECT_EQ(Contents(Path("b.ply")), std::string("\0\1\n", 3));
    EXPECT_EQ(Listing(), (std::vector<std::string>{"a.obj", "b.ply"}));  // no temporary left
}

TEST_F(AtomicWrite, AFileThatCannotBeWrittenLeavesNothingBehind) {
    try {
        WriteFilesAtomically({{Path("a.obj"), "first"}, {Path("missing/b.obj"), "second"}});
        FAIL() << "no error";
    } catch (const FileWriteError& error) {
        EXPECT_NE(std::string(error.what()).find("cannot write " + Path("missing/b.obj")), std::string::npos);
    }
    EXPECT_TRUE(Listing().empty());
}

}  // namespace
