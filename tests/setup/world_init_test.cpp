#include "setup/world_init.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "fakes/recording_player.h"
#include "market/region_lists.h"
#include "state/log.h"

namespace cw {
namespace {
namespace fs = std::filesystem;

constexpr std::uint32_t kSeed = 4242;

// The generator as the set-up leaves it right after a re-seed.
struct Replay {
    Random r;
    Replay() { r.seed = kSeed; }
    int operator()(int n) { return r.randomInt(n); }
};

class WorldInitTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("cw_world_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        g.programFolder = dir.string();
        g.rng.fixedSeed = kSeed;
        World& w = g.world();
        w.gameLevel = 2;
        w.money = 4000000;
        w.companyName = "Acme";
        w.playerName = "Ann";
    }
    void TearDown() override {
        installAppLog(nullptr);
        fs::remove_all(dir);
    }

    void platform(int row, const std::string& name, int games, int year) {
        ref.list_platforms.setCell(0, row, name);
        ref.list_platforms.setCell(1, row, std::to_string(games));
        ref.list_platforms.setCell(2, row, std::to_string(year));
    }
    // `bonus` marks the first n of the four best lists.
    void title(int row, const std::string& name, const std::string& year, const std::string& platforms, int genre = 1,
               int bonus = 0) {
        StringTable& t = ref.List_games;
        t.setCell(0, row, name);
        t.setCell(1, row, year);
        t.setCell(2, row, "1");
        t.setCell(3, row, std::to_string(genre));
        t.setCell(4, row, platforms);
        for (int k = 0; k < bonus; ++k) t.setCell(5 + k, row, "1");
    }
    void run() { initWorld(g, player, ref); }
    const GameTitle& at(int year, int slot) const { return g.tables().gameTitles[year][slot]; }

    fs::path dir;
    Game g;
    test::RecordingPlayer player;
    ReferenceTables ref;
};

TEST(RegionLists, PlatformKindByTheNameLists) {
    EXPECT_EQ(platformKindOf("SNES"), KindConsole);
    EXPECT_EQ(platformKindOf(" game boy color "), KindHandheld);
    EXPECT_EQ(platformKindOf("Windows 3.x"), KindComputer);
    EXPECT_EQ(platformKindOf("Neo Geo Pocket"), KindHandheld);
    // The console list is tried last and holds "Amiga CD32" and "Neo Geo".
    EXPECT_EQ(platformKindOf("Amiga"), KindConsole);
    EXPECT_EQ(platformKindOf("Neo Geo"), KindConsole);
    EXPECT_EQ(platformKindOf("PlayStation 3"), KindComputer);
    EXPECT_EQ(platformKindOf("Unheard Of"), KindComputer);
    EXPECT_TRUE(nameInList(ConsoleNames, "nes"));
    EXPECT_TRUE(nameInList(ConsoleNames, "JaguarNeo Geo"));
    EXPECT_FALSE(nameInList(ConsoleNames, "  "));
    EXPECT_FALSE(nameInList(HandheldNames, "DOS"));
}

TEST(ModExclusion, NamesBetweenSemicolonsInAnyCase) {
    EXPECT_TRUE(excludedByMod(";Amiga;NES;", "nes"));
    EXPECT_TRUE(excludedByMod(";Role-Playing (RPG);", "Role-Playing (RPG)"));
    EXPECT_FALSE(excludedByMod(";SNES;", "NES"));
    EXPECT_FALSE(excludedByMod(";", "NES"));
    EXPECT_FALSE(excludedByMod("", "NES"));
}

TEST(CompanyStaff, OneSlotPerTwentyFiveGamesFromOneToSeven) {
    EXPECT_EQ(companyStaffSlots(0), 1);
    EXPECT_EQ(companyStaffSlots(49), 1);
    EXPECT_EQ(companyStaffSlots(50), 2);
    EXPECT_EQ(companyStaffSlots(174), 6);
    EXPECT_EQ(companyStaffSlots(175), 7);
    EXPECT_EQ(companyStaffSlots(907), 7);
}

TEST_F(WorldInitTest, APlatformOfTheSeventiesIsOnTheMarketAndLosesSpeed) {
    platform(1, "Apple II", 10, 1977);
    run();
    Replay r;
    const i32 price = r(300) + 600;
    const i32 opinion = 40 + r(10);
    const i32 cpuSpec = 1200 - r(250);
    const int week = 1 + r(46);
    const i32 year = 1977 + r(2) - 1;
    const i32 sold = 10 * 100 * 3 + r(10000);
    const int byte172 = 100 - r(50);

    const Platform& p = g.tables().platforms[1];
    EXPECT_EQ(p.name.str(), "Apple II");
    EXPECT_EQ(p.platformKind, KindComputer);
    EXPECT_EQ(p.selfIndex, 1);
    EXPECT_EQ(p.price, price);
    EXPECT_EQ(p.opinion, opinion);
    EXPECT_EQ(p.releaseWeek, week);
    EXPECT_EQ(p.releaseYear, year);
    EXPECT_EQ(p.released, 1);
    EXPECT_EQ(p.weeksOnMarket, (1979 - year) * 52 + (52 - week));
    EXPECT_EQ(p.soldUnits, sold);
    EXPECT_EQ(p.reserved_172[0], byte172);
    EXPECT_EQ(p.overallIndex, cpuSpec / 10 + 50 - price / 5);
    EXPECT_EQ(p.productionCost, cpuSpec / 2 - cpuSpec / 10);
    EXPECT_EQ(p.makerEarnings, (sold / 50) * price + 2500000);
    EXPECT_EQ(p.standingRank, 255);
    EXPECT_EQ(p.stillInUsePercent, 100);
    const i32 loss = cpuSpec - p.cpuSpec;
    EXPECT_GE(loss, 62);
    EXPECT_LE(loss, 165);
}

TEST_F(WorldInitTest, PlatformsWithFewGamesStartSmaller) {
    platform(1, "SNES", 5, 1991);     // below 361 div 60 = 6 games: halved once
    platform(2, "Vectrex", 1, 1982);  // below 361 div 180 = 2 as well: halved twice
    ref.List_games.setRowCount(361);
    run();
    Replay r;
    i32 opinion[2] = {};
    i32 sold[2] = {};
    for (int i = 0; i < 2; ++i) {
        r(300);
        opinion[i] = 40 + r(10);
        r(250);
        r(46);
        r(2);
        sold[i] = (i == 0 ? 5 : 1) * 100 * 3 + r(10000);
        r(50);
    }
    const Platform& once = g.tables().platforms[1];
    const Platform& twice = g.tables().platforms[2];
    EXPECT_EQ(once.platformKind, KindConsole);
    EXPECT_EQ(once.marketShare, 25);
    EXPECT_EQ(once.opinion, opinion[0] / 2);
    EXPECT_EQ(once.soldUnits, sold[0] / 2);
    EXPECT_EQ(twice.marketShare, 12);
    EXPECT_EQ(twice.opinion, opinion[1] / 2 / 2);
    EXPECT_EQ(twice.soldUnits, sold[1] / 2 / 2);
    EXPECT_EQ(twice.released, 0);
}

TEST_F(WorldInitTest, ProcessorsComeFromRowTwoOnWithTheirPricesDrawn) {
    StringTable& c = ref.List_cpus;
    c.setCell(0, 1, "Name");
    for (int col = 0; col < 7; ++col) {
        static const char* const kOld[7] = {"Kestrel 80", "1975", "2", "8", "100", "297", "1"};
        static const char* const kNew[7] = {"Vireo G1", "1983", "4", "16", "40", "1000", "2"};
        static const char* const kOdd[7] = {"Oddity", "1970", "0", "8", "10", "10", "7"};
        c.setCell(col, 2, kOld[col]);
        c.setCell(col, 3, kNew[col]);
        c.setCell(col, 4, kOdd[col]);
    }
    run();
    Replay r;
    const Cpu& old = g.tables().cpus[2];
    EXPECT_EQ(old.releaseWeek, 1 + r(50));
    // 297 x 1.5 = 445.5, rounded up to 446.
    i32 lp = 446 + r(44) - 22;
    EXPECT_EQ(old.speed, 100 + r(10) - 5);
    lp -= (1981 - 1975) * 20;
    EXPECT_EQ(old.launchPrice, lp);
    EXPECT_EQ(old.price, lp);
    EXPECT_EQ(old.announced, 1);
    EXPECT_EQ(old.refColumn2, 2);
    EXPECT_EQ(old.bits.str(), "8");

    const Cpu& later = g.tables().cpus[3];
    r(50);
    const i32 lp2 = 1500 + r(150) - 75;
    EXPECT_EQ(later.announced, 0);
    EXPECT_EQ(later.launchPrice, lp2);
    EXPECT_EQ(later.price, lp2);
    EXPECT_EQ(g.tables().cpus[4].price, 0);  // a kind outside 1..4 gets no price
    EXPECT_TRUE(g.tables().cpus[1].name.empty());
}

TEST_F(WorldInitTest, CatalogueDrawsRatingAndWeeksInOrderWithAutumnFromLevelTwo) {
    for (int level = 1; level <= 2; ++level) {
        Game fresh;
        fresh.programFolder = dir.string();
        fresh.rng.fixedSeed = kSeed;
        fresh.world().gameLevel = static_cast<u8>(level);
        ref = ReferenceTables();
        platform(1, "Apple II", 100, 1977);
        for (int i = 1; i <= 30; ++i) title(i, "T" + std::to_string(i), "1983", "1", 1, i % 5);
        initWorld(fresh, player, ref);

        // The platform step's own draws end at the processors' re-seed.
        Replay r;
        for (int i = 1; i <= 30; ++i) {
            const GameTitle& gt = fresh.tables().gameTitles[1983][i];
            const int bonus = i % 5;
            const int rating = 60 + r(40) + (bonus >= 1 ? 20 : 0) + (bonus >= 2 ? 10 * (bonus - 1) : 0);
            int week = 1 + r(48);
            if (level >= 2 && r(10) + 90 < rating) week = 34 + r(14);
            ASSERT_EQ(gt.salesScore, rating) << "level " << level << " title " << i;
            ASSERT_EQ(gt.reviewScore, rating);
            ASSERT_EQ(gt.releaseWeek, week) << "level " << level << " title " << i;
            ASSERT_EQ(gt.title.str(), "T" + std::to_string(i));
        }
        EXPECT_EQ(fresh.tables().titlesPerYear[1983], 31);
    }
}

TEST_F(WorldInitTest, TitlesBeforeTheirPlatformMoveToTheYearAfterItsRelease) {
    platform(1, "NES", 100, 1990);
    title(1, "Early", "1985", "1");
    title(2, "Launch", "1990", "1");
    title(3, "Later", "1995", "1");
    // The platform comes out in 1989 or 1990; a few seeds give both.
    bool launchSeen = false, earlySeen = false;
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        Game fresh;
        fresh.programFolder = dir.string();
        fresh.rng.fixedSeed = seed;
        fresh.world().gameLevel = 2;
        initWorld(fresh, player, ref);
        const Platform& p = fresh.tables().platforms[1];
        ASSERT_TRUE(p.releaseYear == 1989 || p.releaseYear == 1990);
        const auto& titles = fresh.tables().gameTitles;
        const int moved = p.releaseYear + 1;
        EXPECT_EQ(titles[moved][1].title.str(), "Early");
        EXPECT_EQ(titles[moved][1].releaseYear, moved);
        EXPECT_TRUE(titles[1985][1].title.empty());
        EXPECT_EQ(titles[1995][1].title.str(), "Later");
        EXPECT_EQ(titles[1995][1].price, 50);
        EXPECT_EQ(titles[1995][1].bestChartPos, 255);
        if (p.releaseYear == 1990) {
            // Launch titles follow their platform by one to three weeks.
            const GameTitle& launch = titles[1990][1];
            EXPECT_EQ(launch.title.str(), "Launch");
            EXPECT_GE(launch.releaseWeek, p.releaseWeek + 1);
            EXPECT_LE(launch.releaseWeek, p.releaseWeek + 3);
            launchSeen = true;
        } else {
            EXPECT_EQ(titles[1990][2].title.str(), "Launch");
            earlySeen = true;
        }
    }
    EXPECT_TRUE(launchSeen);
    EXPECT_TRUE(earlySeen);
}

TEST_F(WorldInitTest, AModExcludedPlatformAndGenreNeverReachTheMarket) {
    g.session.modPlatformLine = ";nes;";
    g.session.modGenreLine = ";Role-Playing (RPG),Strategy;";
    platform(1, "NES", 100, 1975);
    platform(2, "DOS", 100, 1975);
    ref.list_genre.setCell(0, 1, "1");
    ref.list_genre.setCell(1, 1, "50");
    ref.list_genre.setCell(2, 1, "Action");
    ref.list_genre.setCell(3, 1, "1977");
    ref.list_genre.setCell(0, 2, "5,8");
    ref.list_genre.setCell(1, 2, "7");
    ref.list_genre.setCell(2, 2, "Role-Playing (RPG),Strategy");
    ref.list_genre.setCell(3, 2, "1985");
    title(1, "On Nes", "1978", "1");
    title(2, "Rpg On Dos", "1978", "2", 2);
    title(3, "Action On Dos", "1978", "2", 1);
    run();
    const Platform& nes = g.tables().platforms[1];
    EXPECT_EQ(nes.releaseYear, 2999);
    EXPECT_EQ(nes.released, 0);
    EXPECT_EQ(at(1978, 1).title.str(), "On Nes");  // not moved: its platform never comes
    EXPECT_EQ(at(1978, 1).releaseYear, 2999);
    EXPECT_EQ(at(1978, 2).releaseYear, 2999);
    EXPECT_EQ(at(1978, 3).releaseYear, 1978);
    const Genre& rpg = g.tables().genres[2];
    EXPECT_EQ(rpg.yearAvailable, 2999);
    EXPECT_EQ(rpg.shortName.str(), "5,8");
    EXPECT_EQ(rpg.upcomingHits, 7);
    EXPECT_EQ(g.tables().genres[1].yearAvailable, 1977);
    EXPECT_GE(g.tables().genres[1].interest, 40);
    EXPECT_LE(g.tables().genres[1].interest, 59);
    EXPECT_GE(g.tables().genres[1].trend, -1);
    EXPECT_LE(g.tables().genres[1].trend, 1);
}

TEST_F(WorldInitTest, TitlesAreSoldInTheRegionsOfTheirPlatformKind) {
    platform(1, "Windows", 100, 1975);
    platform(2, "SNES", 100, 1975);
    platform(3, "Game Boy", 100, 1975);
    for (int i = 1; i <= 60; ++i) title(i, "T" + std::to_string(i), "1985", std::to_string(1 + i % 3));
    title(61, "Classic", "1985", "2", 1, 4);  // 110 or more: sold everywhere
    run();
    int everywhere = 0;
    for (int s = 1; s <= 61; ++s) {
        const GameTitle& gt = at(1985, s);
        const bool high = gt.salesScore > 95;
        everywhere += high;
        EXPECT_EQ(gt.inUS, 1);
        EXPECT_EQ(gt.inEU, (gt.platform != 2 || high) ? 1 : 0) << gt.title.str();
        EXPECT_EQ(gt.inAsia, (gt.platform != 1 || high) ? 1 : 0) << gt.title.str();
    }
    EXPECT_EQ(at(1985, 61).title.str(), "Classic");
    EXPECT_EQ(at(1985, 61).inEU, 1);
    EXPECT_GE(everywhere, 2);
}

TEST_F(WorldInitTest, YearsOutsideTheCatalogueAndFullYearsAreSkipped) {
    platform(1, "DOS", 5000, 1975);
    title(1, "Too Early", "1976", "1");
    title(2, "Too Late", "2016", "1");
    title(3, "No Year", "soon", "1");
    title(4, "Bad Platforms", "1990", "x, 0, 300,");
    for (int i = 0; i < 3501; ++i) title(5 + i, "F" + std::to_string(i + 1), "1990", "1");
    run();
    EXPECT_EQ(g.tables().titlesPerYear[1990], 3501);
    EXPECT_EQ(at(1990, 1).title.str(), "F1");
    EXPECT_EQ(at(1990, 3500).title.str(), "F3500");
    EXPECT_EQ(summarizeWorld(g).catalogueTitles, 3500);
    EXPECT_EQ(g.tables().titlesPerYear[1977], 1);
}

TEST_F(WorldInitTest, EmptyOrMissingTablesLeaveAnEmptyWorld) {
    ref.list_platforms.setCell(0, 1, " ");
    ref.List_cpus.setCell(0, 1, "Name");
    run();
    const WorldSummary s = summarizeWorld(g);
    EXPECT_EQ(s.platforms, 0);
    EXPECT_EQ(s.processors, 0);
    EXPECT_EQ(s.catalogueTitles, 0);
    EXPECT_EQ(s.companies, 0);
    EXPECT_EQ(s.genres, 0);
    EXPECT_EQ(player.only("letter").size(), 2u);
}

TEST_F(WorldInitTest, ANewGameStartsFromTheOpeningState) {
    g.world().boardOpinion = 5;
    g.world().companyHistory[1990][3] = "old";
    g.world().products[7].refA = 1985;
    g.world().products[7].value16 = 9;
    run();
    const World& w = g.world();
    EXPECT_EQ(w.boardOpinion, 40);
    EXPECT_EQ(w.companyGoalText.str(), "None");
    EXPECT_EQ(w.gamesImage, 30);
    EXPECT_EQ(w.costIndex, 100);
    EXPECT_EQ(w.sharesOwnedPercent, 40);
    EXPECT_EQ(w.yearlyCash[1980], 4000000);
    EXPECT_EQ(w.lineOutputLevel, 1);
    EXPECT_EQ(w.bestCpuSpeed, 10);
    EXPECT_EQ(w.platformProtection[500].strength, -1);
    EXPECT_EQ(w.devToolTables[8][500], 1);
    EXPECT_GE(w.hardwareConsumers, 50000);
    EXPECT_LT(w.hardwareConsumers, 75000);
    for (int r = 1; r <= 3; ++r) {
        EXPECT_GE(w.regionDemand[r], 67);
        EXPECT_LE(w.regionDemand[r], 82);
        EXPECT_EQ(w.economyLevel[r], 5);
    }
    for (int i : {1, 39, 40, 2600}) {
        const i32 extra = w.hardwareInterest[i] - ((i / 40) + 5) * 500;
        EXPECT_GE(extra, 0);
        EXPECT_LT(extra, 2000);
    }
    EXPECT_EQ(w.products[7].refA, 0);
    EXPECT_EQ(w.products[7].value16, 9);
    EXPECT_TRUE(w.companyHistory[1990][3].empty());
    EXPECT_EQ(w.companyHistory[1980][1].str(), "Week 1: Company Acme formed");
    EXPECT_EQ(w.newsItems[1][1].title.str(), "New company");
    EXPECT_EQ(w.newsItems[1][1].text.str(), "New company, Acme is a reality. Owner Ann.........................");
    const auto letters = player.only("letter");
    ASSERT_EQ(letters.size(), 2u);
    EXPECT_EQ(letters[0].a, "Good Luck");
    EXPECT_EQ(letters[0].b, "Good luck on your business\r\nKind regards, Your bank");
    EXPECT_EQ(letters[1].a, "Stock Exchange");
    EXPECT_EQ(letters[1].b, "We have issued 60% of your companys stocks. You still own 40% of Acme");
    EXPECT_EQ(g.session.buildingBasePrice, 400000);
    EXPECT_EQ(g.session.genreProfiles[6].name, "Role-Playing (RPG)");
    EXPECT_EQ(g.session.genreProfiles[2].demands[1], 55);
    EXPECT_EQ(g.session.genreProfiles[9].weights[0], 50);
    EXPECT_EQ(g.inbox.unread, 2);
}

TEST_F(WorldInitTest, CompaniesGetTheirMoneyLoansAndFirstYear) {
    ref.List_Company.setCell(0, 2, "Coppershaw Ware");
    ref.List_Company.setCell(1, 2, "907");
    ref.List_Company.setCell(2, 2, "1977");
    ref.List_LTDs.setCell(0, 1, "Coppershaw Ware");
    ref.List_LTDs.setCell(1, 1, "2");
    ref.List_LTDs.setCell(0, 2, "No Number");
    run();
    const Company& c = g.tables().companies[1];
    EXPECT_EQ(c.name.str(), "Coppershaw Ware");
    EXPECT_EQ(c.gameCount, 907);
    EXPECT_EQ(c.listRow, 2);
    EXPECT_EQ(c.firstYear, 1977);
    EXPECT_EQ(c.sharePrice, 100);
    EXPECT_EQ((c.money - 75000) % 91, 0);
    EXPECT_LT((c.money - 75000) / 91, 25000);
    if (c.companyLoan != 0) {
        EXPECT_EQ((c.companyLoan - 55000) % 91, 0);
    }
    EXPECT_TRUE(g.tables().companies[2].name.empty());
}

TEST_F(WorldInitTest, CompaniesHireFreeSoftwarePeopleBySize) {
    for (int q = 1; q <= 400; ++q) {
        g.tables().people[q].name = "P" + std::to_string(q);
        g.tables().people[q].workArea = q % 2 ? 1 : 2;
    }
    ref.list_people.setRowCount(402);
    const int sizes[3] = {200, 10, 60};
    for (int i = 1; i <= 3; ++i) {
        g.tables().companies[i].name = "C" + std::to_string(i);
        g.tables().companies[i].gameCount = sizes[i - 1];
        g.tables().companies[i].firstYear = 1980 + i;
    }
    hireCompanyStaff(g, player, ref);
    std::set<i32> hired;
    const int wanted[3] = {7, 1, 2};
    for (int i = 1; i <= 3; ++i) {
        const Company& c = g.tables().companies[i];
        for (int k = 1; k <= 10; ++k) {
            const i32 q = c.staff[k];
            if (k > wanted[i - 1]) {
                EXPECT_EQ(q, 0);
                continue;
            }
            ASSERT_GT(q, 0);
            EXPECT_TRUE(hired.insert(q).second);
            EXPECT_EQ(g.tables().people[q].workArea, 1);
            EXPECT_EQ(g.tables().people[q].employerCompany, i);
            EXPECT_EQ(g.tables().people[q].labourMarketYear, 1980 + i);
        }
    }
}

TEST_F(WorldInitTest, WithoutSuitablePeopleTheSlotsStayEmpty) {
    g.tables().companies[1].name = "Lonely";
    g.tables().companies[1].gameCount = 200;
    ref.list_people.setRowCount(10);
    hireCompanyStaff(g, player, ref);
    for (i32 q : g.tables().companies[1].staff) EXPECT_EQ(q, 0);
}

TEST_F(WorldInitTest, ALoadRunsOnlyTheStepsEveryStartNeeds) {
    Log log(dir.string(), "crestwork", "/games/crestwork", "1.0");
    log.startLog();
    installAppLog(&log);
    std::ofstream(dir / "cw2.TID") << "  3600 \r\n";
    g.session.loadingSavedGame = true;
    g.session.sessionPlaySeconds = 99;
    g.world().gameLevel = 3;
    g.world().boardOpinion = 77;
    platform(1, "DOS", 100, 1975);
    title(1, "Kept Out", "1985", "1");
    std::vector<std::string> hooksRun;
    WorldScreenHooks hooks{[&] { hooksRun.push_back("timer"); }, [&] { hooksRun.push_back("map"); },
                           [&] { hooksRun.push_back("era"); }};
    initWorld(g, player, ref, hooks);

    std::vector<std::string> lines;
    for (const std::string& l : log.lines())
        if (l.size() > 11 && l[9] == ':') lines.push_back(l.substr(11));
    EXPECT_EQ(lines, (std::vector<std::string>{"Init of game data...", "Existing game loading", "Init MAP graphics...",
                                               "Finding computer pics...", "Updating Inbox...", "Init done,Ready"}));
    EXPECT_EQ(hooksRun, (std::vector<std::string>{"timer", "map", "era"}));
    EXPECT_EQ(g.session.sessionPlaySeconds, 0);
    EXPECT_EQ(g.session.storedPlaySeconds, 3600);
    EXPECT_EQ(g.session.buildingBasePrice, 600000);
    EXPECT_EQ(g.session.genreProfiles[1].name, "Action");
    EXPECT_EQ(g.world().boardOpinion, 77);
    EXPECT_TRUE(g.tables().platforms[1].name.empty());
    EXPECT_EQ(g.tables().titlesPerYear[1985], 0);
    EXPECT_TRUE(player.only("letter").empty());
    ASSERT_FALSE(player.progress.empty());
    EXPECT_EQ(player.progress.front().caption, " Initializing... ");
}

}  // namespace
}  // namespace cw
