// The post-mortem through the headless driver, on real games made from the
// shipped data: the components add up to the stored score and week revenue
// over many seeded games and weeks, asking changes no byte of the save, and
// the commands print key lines, the total, then the sentences.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <random>
#include <sstream>

#include "cli/driver.h"
#include "dev/post_mortem.h"
#include "dev/release.h"
#include "quality/game_quality.h"
#include "state/shared_ops.h"

namespace cw {
namespace {
namespace fs = std::filesystem;

#ifdef CW_GAME_DIR_FOR_TESTS
std::int64_t sum(const std::vector<WhyLine>& lines) {
    return std::accumulate(lines.begin(), lines.end(), std::int64_t{0},
                           [](std::int64_t a, const WhyLine& l) { return a + l.value; });
}

fs::path gameFolder() {
    std::random_device rd;
    fs::path d = fs::temp_directory_path() / ("cw_why_cli_" + std::to_string(rd()) + std::to_string(rd()));
    fs::create_directories(d);
    fs::copy_file(fs::path(CW_GAME_DIR_FOR_TESTS) / "data.zip", d / "data.zip");
    return d;
}

// A driver session with a new game whose player leads a game project.
struct MadeGame {
    fs::path dir = gameFolder();
    std::ostringstream out;
    cli::Session s{out, dir.string()};

    MadeGame(std::uint32_t seed, int level) {
        s.game->rng.fixedSeed = seed;
        run("new-game company=\"Acme\" player=\"Ann\" level=" + std::to_string(level) + "\nautosave off\nstaff\n");
        const std::string listing = out.str();
        const auto you = listing.rfind('\n', listing.find("*You*"));
        const std::string leader = listing.substr(you + 1, listing.find("*You*") - you - 1);
        run("develop name=\"Quest\" genre=Action platforms=\"Apple II\" leader=" + std::to_string(std::stoi(leader)) +
            "\nanswer publisher=2 advertising=no regions=us,eu,asia\n");
    }
    ~MadeGame() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    std::string run(const std::string& script) {
        out.str("");
        std::istringstream in(script);
        EXPECT_EQ(cli::runScript(s, in, "t"), 0) << out.str();
        return out.str();
    }
    const Game& g() const { return *s.game; }
    // Weeks until the game is a ready product (at most 80).
    bool finish() {
        for (int k = 0; k < 80 && !productTitle(g(), 1); ++k) run("next-week\n");
        return productTitle(g(), 1) != nullptr;
    }
};

void expectScoreAddsUp(const Game& g, int product) {
    const WhyScore w = whyScoreOfProduct(g, product);
    ASSERT_TRUE(w.unavailable.empty()) << w.unavailable;
    EXPECT_EQ(w.total, productTitle(g, product)->salesScore);
    EXPECT_EQ(sum(w.lines), w.total);
}

TEST(PostMortemCliTest, ComponentsAddUpForManySeededGamesAndWeeks) {
    int regionWeeks = 0;
    for (const auto& [seed, level] : {std::pair{42u, 1}, std::pair{7u, 2}, std::pair{2026u, 3}}) {
        MadeGame m(seed, level);
        for (int k = 0; k < 3; ++k) {
            const WhyScore w = whyScoreOfTask(m.g(), 1);
            ASSERT_TRUE(w.unavailable.empty()) << w.unavailable;
            EXPECT_EQ(w.total, gameScore(m.g(), m.g().tables().tasks[1], 0));
            EXPECT_EQ(sum(w.lines), w.total);
            EXPECT_EQ(w.team.size(), 3u);
            m.run("next-week 5\n");
        }
        ASSERT_TRUE(m.finish()) << "seed " << seed;
        expectScoreAddsUp(m.g(), 1);
        // Scored as it was finished: nothing to reconcile.
        EXPECT_EQ(whyScoreOfProduct(m.g(), 1).lines[9].value, 0);
        m.run("release 1\n");
        for (int week = 0; week < 12; ++week) {
            // A first game of one person soon falls below 51 and stops
            // selling; a better score keeps every rule at work.
            if (week > 1) productTitle(*m.s.game, 1)->salesScore = static_cast<u8>(58 + (week * 7 + seed) % 40);
            m.run("next-week\n");
            const GameTitle& t = *productTitle(m.g(), 1);
            for (int r = 1; r <= 3; ++r) {
                const WhySales w = whySales(m.g(), 1, r);
                ASSERT_TRUE(w.unavailable.empty()) << w.unavailable;
                const i32 stored = r == 1 ? t.weekSalesUS : r == 2 ? t.weekSalesEU : t.weekSalesAsia;
                EXPECT_EQ(w.total, stored) << "seed " << seed << " week " << week << " region " << r;
                if (!w.lines.empty()) {
                    EXPECT_EQ(sum(w.lines), stored) << "seed " << seed << " week " << week << " region " << r;
                    ++regionWeeks;
                }
            }
            EXPECT_EQ(static_cast<int>(whySales(m.g(), 1, 1).history.size()), std::min(t.weeksOnSale, 200));
            expectScoreAddsUp(m.g(), 1);
        }
    }
    EXPECT_GT(regionWeeks, 80);
}

std::string saveBytes(bool ask) {
    MadeGame m(42, 1);
    const std::string why = ask ? "why-score task=1\n" : "";
    m.run("next-week 3\n" + why);
    EXPECT_TRUE(m.finish());
    m.run(ask ? "why-score product=1\nwhy-sales product=1\nrelease 1\nnext-week\nwhy-sales product=1\n"
              : "release 1\nnext-week\n");
    m.run(ask ? "next-week 2\nwhy-sales product=1 region=eu\nwhy-score product=1\nsave check\n"
              : "next-week 2\nsave check\n");
    std::ifstream in(m.dir / "savegame" / "check.sav", std::ios::binary);
    EXPECT_TRUE(in.good());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(PostMortemCliTest, AskingForBreakdownsLeavesTheSaveByteIdentical) {
    const std::string plain = saveBytes(false);
    const std::string asked = saveBytes(true);
    ASSERT_EQ(plain.size(), 32744712u);
    EXPECT_TRUE(plain == asked);
}

TEST(PostMortemCliTest, KeyLinesThenTotalThenSentencesAndTheWaitingCases) {
    MadeGame m(42, 1);
    std::string text = m.run("why-score task=1\n");
    EXPECT_EQ(text.rfind("why-score task 1: Game Quest\nextras: ", 0), 0u) << text;
    const auto total = text.find("\ntotal: ");
    ASSERT_NE(total, std::string::npos);
    EXPECT_NE(text.find("minimum: "), std::string::npos);
    EXPECT_LT(text.find("minimum: "), total);
    EXPECT_NE(text.find("A new title without hype gets 7", total), std::string::npos);

    ASSERT_TRUE(m.finish());
    text = m.run("why-sales product=1\nrelease 1\nwhy-sales product=1 region=us\n");
    EXPECT_NE(text.find("Quest is not on sale yet: the breakdown starts with its first week on sale."),
              std::string::npos);
    EXPECT_NE(text.find("Quest has not sold a week yet: the breakdown is there after its first week on sale."),
              std::string::npos);

    text = m.run("next-week\nwhy-sales product=1 region=us\n");
    const auto head = text.find("why-sales product 1: Quest, USA, week ");
    ASSERT_NE(head, std::string::npos) << text;
    std::istringstream lines(text.substr(head));
    std::string line;
    std::getline(lines, line);
    const char* keys[] = {"score", "installed base", "game level", "piracy", "still in use",
                          "price", "genre interest", "regional demand", "preferred platform", "low score",
                          "season", "launch weeks", "public image", "publisher capacity", "total"};
    for (const char* key : keys) {
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_EQ(line.rfind(std::string(key) + ": ", 0), 0u) << line;
    }
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(line.rfind("A sales score of ", 0), 0u) << line;
    EXPECT_EQ(std::stoll(text.substr(text.find("\ntotal: ") + 8)), productTitle(m.g(), 1)->weekSalesUS);
    EXPECT_NE(text.find("  to you: "), std::string::npos);

    // A reloaded game computes its load week, so the breakdown is there again.
    text = m.run("save again\nload again.sav\nwhy-sales product=1 region=us\n");
    EXPECT_NE(text.find("why-sales product 1: Quest, USA"), std::string::npos) << text;
}

TEST(PostMortemCliTest, BadOptionsAreRefusedAndNoGameIsSaid) {
    MadeGame m(42, 1);
    auto refusal = [&](const std::string& line) {
        m.out.str("");
        std::istringstream in(line + "\n");
        EXPECT_EQ(cli::runScript(m.s, in, "t"), 2) << line;
        return m.out.str();
    };
    EXPECT_NE(refusal("why-score").find("takes task=N (a game in development) or product=N (a finished game)"),
              std::string::npos);
    EXPECT_NE(refusal("why-score task=1 product=1").find("takes task=N"), std::string::npos);
    EXPECT_NE(refusal("why-score task=x").find("task= takes a number from 1 to 500"), std::string::npos);
    EXPECT_NE(refusal("why-sales product=1 region=mars").find("region= takes us, eu or asia"), std::string::npos);
    EXPECT_NE(refusal("why-sales").find("takes product=N [region=us|eu|asia]"), std::string::npos);
    EXPECT_NE(m.run("why-score task=3\n").find("Task 3 is no game in development."), std::string::npos);
    EXPECT_NE(m.run("why-score product=5\n").find("Product 5 is no game."), std::string::npos);
}
#endif

}  // namespace
}  // namespace cw
