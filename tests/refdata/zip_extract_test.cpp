#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "refdata/zip_extract.h"
#include "refdata/zip_builder.h"

namespace cw {
namespace fs = std::filesystem;

namespace {

class ZipExtractTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("cw_zip_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root);
        fs::create_directories(root / "game");
        zip = (root / "data.zip").string();
        game = (root / "game").string();
    }
    void TearDown() override { fs::remove_all(root); }
    std::string read(const std::string& name) {
        std::ifstream in(fs::path(game) / name, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    bool warned(const ZipExtractResult& r, const std::string& part) {
        for (const auto& w : r.warnings)
            if (w.find(part) != std::string::npos) return true;
        return false;
    }

    fs::path root;
    std::string zip, game;
};

}  // namespace

TEST_F(ZipExtractTest, StoredAndDeflatedMembersUnpack) {
    test::writeZip(zip, {{"a.txt", "plain text", false}, {"sub/b.txt", std::string(5000, 'b'), true}});
    const ZipExtractResult r = extractArchive(zip, game);
    EXPECT_TRUE(r.opened);
    EXPECT_TRUE(r.warnings.empty());
    EXPECT_EQ(read("a.txt"), "plain text");
    EXPECT_EQ(read("sub/b.txt"), std::string(5000, 'b'));
}

TEST_F(ZipExtractTest, HostileNamesAreSkippedAndTheRestStillUnpacks) {
    test::writeZip(zip, {{"../escape.txt", "x"},
                         {"/etc/abs.txt", "x"},
                         {"C:evil.txt", "x"},
                         {"dir\\back.txt", "x"},
                         {std::string("nul\0.txt", 8), "x"},
                         {"ok.txt", "first"},
                         {"OK.TXT", "second"},
                         {"good.txt", "fine"}});
    const ZipExtractResult r = extractArchive(zip, game);
    EXPECT_FALSE(fs::exists(root / "escape.txt"));
    EXPECT_TRUE(warned(r, "\"..\""));
    EXPECT_TRUE(warned(r, "absolute"));
    EXPECT_TRUE(warned(r, "drive"));
    EXPECT_TRUE(warned(r, "backslash"));
    EXPECT_TRUE(warned(r, "repeats"));
    EXPECT_EQ(read("ok.txt"), "first");
    EXPECT_EQ(read("good.txt"), "fine");
    EXPECT_EQ(r.written, (std::vector<std::string>{"ok.txt", "good.txt"}));
    EXPECT_FALSE(fs::exists(fs::path(game) / "nul"));
}

TEST_F(ZipExtractTest, BombsAreStoppedByTheBytesReallyUnpacked) {
    ZipLimits limits;
    limits.maxMemberBytes = 1 << 20;
    limits.ratioCheckFrom = 1 << 16;
    limits.maxRatio = 50;
    // Claims 10 bytes but unpacks to 2 MB of zeros.
    test::writeZip(zip, {{"bomb.txt", std::string(2 << 20, '\0'), true, 10}, {"after.txt", "still here"}});
    const ZipExtractResult r = extractArchive(zip, game, limits);
    EXPECT_FALSE(fs::exists(fs::path(game) / "bomb.txt"));
    EXPECT_FALSE(fs::exists(fs::path(game) / "bomb.txt.part"));
    EXPECT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(read("after.txt"), "still here");

    test::writeZip(zip, {{"ratio.txt", std::string(200000, 'z'), true}});
    EXPECT_TRUE(warned(extractArchive(zip, game, limits), "times its packed size"));
}

TEST_F(ZipExtractTest, NotAnArchiveIsReportedNotFatal) {
    std::ofstream(zip) << "this is not a zip file at all";
    const ZipExtractResult r = extractArchive(zip, game);
    EXPECT_FALSE(r.opened);
    EXPECT_FALSE(r.openError.empty());
    EXPECT_FALSE(extractArchive((root / "missing.zip").string(), game).opened);
}

}  // namespace cw
