// The market commands of the headless driver on a seeded game.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>

#include "cli/driver.h"

namespace cw {
namespace {
namespace fs = std::filesystem;

#ifdef CW_GAME_DIR_FOR_TESTS
TEST(MarketCliTest, TitlesCompaniesAndOneTitleOfAPlayedGame) {
    std::random_device rd;
    const fs::path dir = fs::temp_directory_path() / ("cw_market_cli_" + std::to_string(rd()));
    fs::create_directories(dir);
    fs::copy_file(fs::path(CW_GAME_DIR_FOR_TESTS) / "data.zip", dir / "data.zip");
    std::ostringstream out;
    {
        cli::Session s(out, dir.string());
        s.game->rng.fixedSeed = 3;
        std::istringstream in(
            "new-game\nautosave off\nnext-week 8\ntitles onsale sort=chart limit=3\ntitle 1977 1\n"
            "companies limit=2\ntitles year=1979 platform=9999 limit=1\n");
        EXPECT_EQ(cli::runScript(s, in, "t"), 0) << out.str();
    }
    const std::string text = out.str();
    EXPECT_NE(text.find("titles: 3 of "), std::string::npos);
    EXPECT_NE(text.find("  year/index | title | released | company | platform | genre | score | review | US | EU | "
                        "Asia | total | chart | best | state\n"),
              std::string::npos);
    // The chart's top title is listed first, at position 1.
    const auto top = text.find('\n', text.find("  year/index")) + 1;
    const std::string first = text.substr(top, text.find('\n', top) - top);
    EXPECT_NE(first.find(" | 1 | "), std::string::npos) << first;
    EXPECT_NE(first.find("| on sale"), std::string::npos) << first;
    EXPECT_NE(text.find("title 1977/1: "), std::string::npos);
    EXPECT_NE(text.find("  chartPos: "), std::string::npos);
    EXPECT_NE(text.find("companies: 2 of "), std::string::npos);
    EXPECT_NE(text.find("titles: 0 of 0 (week 9, 1980)"), std::string::npos);

    std::ostringstream bad;
    cli::Session s(bad, dir.string());
    std::istringstream in("titles year=1800\n");
    EXPECT_EQ(cli::runScript(s, in, "t"), 2);
    EXPECT_NE(bad.str().find("year must be 1977..2015"), std::string::npos);
    std::error_code ec;
    fs::remove_all(dir, ec);
}
#endif

}  // namespace
}  // namespace cw
