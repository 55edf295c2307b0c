// The World record (the player's company and the global market state) and
// the save image: all ten game tables in the order they are written to a
// save file. Both are exact file layouts.
#pragma once

#include <bit>
#include <cstddef>

#include "state/records.h"
#include "state/types.h"

namespace cw {

// The tables are written to disk straight from memory; a save file stores
// its integers little-endian, so only such a host reads and writes them
// without conversion.
static_assert(std::endian::native == std::endian::little, "save images are little-endian");

// Per-year history: up to 100 lines for each year 1980..2015.
using HistoryLines = Arr<Arr<pstr<80>, 1, 100>, 1980, 2015>;

struct World {
    Arr<u8, 1, 3> regionDemand;  // 1 US, 2 Europe, 3 Asia
    Arr<u8, 1, 3> economyLevel;
    u8 reserved_6[2];
    Arr<ProtectionState, 1, 500> platformProtection;
    i32 oilCrisisCount;
    i32 lastOilCrisisYear;
    i32 boardOpinion;
    i32 boardGoalNumber;
    u8 boardGoalType;
    u8 reserved_4025[3];
    i32 boardGoalAmount;
    u8 reserved_4032[4];
    i32 boardGoalChartPos;
    u8 reserved_4040[4];
    i32 boardGoalLevel;
    pstr<100> companyGoalText;
    u8 reserved_4149[3];
    i32 boardGoalYearsLeft;
    bool8 boardMeetingsEnabled;
    u8 gameLevel;  // 1..3
    u8 startupScore;
    u8 reserved_4159[105];
    i32 hardwareConsumers;
    // Eight byte tables, one level per platform: devToolTables[t][platform].
    // Table t starts at 4268 + (t - 1) * 500; table 1 holds the graphics
    // tools, 2 the code tools and 4 the design tools.
    Arr<Arr<u8, 1, 500>, 1, 8> devToolTables;
    i32 publisherNegotiationDept;  // 1 open, 0 closed
    i32 hardwareTestCenterLevel;
    i32 gameTestCenterLevel;
    i32 soundStudioLevel;
    i32 packagingCentralLevel;
    u8 reserved_8288[4];
    i32 debtWeeks;
    pstr<30> companyName;
    pstr<30> playerName;
    u8 reserved_8358[2];
    i32 money;
    i32 loan;
    i32 sharesOwnedPercent;
    i32 startCompanyValue;
    Arr<Arr<EngineSlot, 1, 150>, 1, 150> marketEngines;  // [platform][genre]
    Arr<Arr<EngineSlot, 1, 150>, 1, 150> ownEngines;     // [platform][genre]
    u8 reserved_1988376[4];
    i32 bestCpuSpeed;
    i32 bestGpuSpeed;
    i32 bestSpuSpeed;
    i32 savedYear;
    u8 savedWeek;
    u8 reserved_1988397[3];
    i32 costIndex;
    Arr<i32, 1, 2600> hardwareInterest;  // by week since 1980: (year - 1980) * 52 + week
    u8 reserved_1998804[80];
    i32 hardwareInterestNow;
    u8 reserved_1998888[4];
    Arr<i32, 1, 104> hardwareDemandForecast;
    u8 headquartersLevel;
    u8 factoryLevel;
    u8 publisherLevel;
    u8 warehouseLevel;
    u8 extraOffices;
    u8 reserved_1999313[1];
    u8 gamesImage;
    u8 platformsImage;
    u8 reserved_1999316[4];
    // Only the first 600 product slots keep a sales curve.
    Arr<ProductHistory, 1, 600> productHistory;
    Arr<i32, 1, 52> weeklyCash;
    Arr<i32, 1, 52> weeklyPerkCost;
    Arr<i32, 1, 52> weeklyWages;
    Arr<i32, 1, 52> weeklyLoan;
    Arr<i32, 1980, 2015> yearlyWages;
    Arr<i32, 1980, 2015> yearlyPerkCost;
    Arr<i32, 1980, 2015> yearlyLoanCost;
    Arr<i32, 1980, 2015> yearlyIncome;
    Arr<i32, 1980, 2015> yearlyCash;
    Arr<i32, 1980, 2015> yearlyDevelopmentCost;
    Arr<i32, 1980, 2015> yearlyBuildingCost;
    Arr<i32, 1980, 2015> yearlyEmployees;
    Arr<i32, 1, 105> sharePriceHistory;
    u8 reserved_2606524[4];
    Arr<StorageEntry, 1, 1000> storageEntries;
    i32 lineLoad;
    u8 reserved_2630532[4];
    u8 lineOutputLevel;  // 1..3
    u8 reserved_2630537[3];
    Arr<AssemblyLine, 1, 20> assemblyLines;
    Arr<ProductEntry, 1, 3500> products;
    Arr<Arr<NewsItem, 1, 4>, 1, 3> newsItems;  // [category][slot]
    HistoryLines companyHistory;                // [year][line]
    HistoryLines worldHistory;                  // [year][line]
};
static_assert(sizeof(World) == 3302036);
static_assert(kPlainRecord<World>);
static_assert(offsetof(World, regionDemand) == 0);
static_assert(offsetof(World, economyLevel) == 3);
static_assert(offsetof(World, platformProtection) == 8);
static_assert(offsetof(World, oilCrisisCount) == 4008);
static_assert(offsetof(World, lastOilCrisisYear) == 4012);
static_assert(offsetof(World, boardOpinion) == 4016);
static_assert(offsetof(World, boardGoalNumber) == 4020);
static_assert(offsetof(World, boardGoalType) == 4024);
static_assert(offsetof(World, boardGoalAmount) == 4028);
static_assert(offsetof(World, boardGoalChartPos) == 4036);
static_assert(offsetof(World, boardGoalLevel) == 4044);
static_assert(offsetof(World, companyGoalText) == 4048);
static_assert(offsetof(World, boardGoalYearsLeft) == 4152);
static_assert(offsetof(World, boardMeetingsEnabled) == 4156);
static_assert(offsetof(World, gameLevel) == 4157);
static_assert(offsetof(World, startupScore) == 4158);
static_assert(offsetof(World, hardwareConsumers) == 4264);
static_assert(offsetof(World, devToolTables) == 4268);
static_assert(offsetof(World, publisherNegotiationDept) == 8268);
static_assert(offsetof(World, hardwareTestCenterLevel) == 8272);
static_assert(offsetof(World, gameTestCenterLevel) == 8276);
static_assert(offsetof(World, soundStudioLevel) == 8280);
static_assert(offsetof(World, packagingCentralLevel) == 8284);
static_assert(offsetof(World, debtWeeks) == 8292);
static_assert(offsetof(World, companyName) == 8296);
static_assert(offsetof(World, playerName) == 8327);
static_assert(offsetof(World, money) == 8360);
static_assert(offsetof(World, loan) == 8364);
static_assert(offsetof(World, sharesOwnedPercent) == 8368);
static_assert(offsetof(World, startCompanyValue) == 8372);
static_assert(offsetof(World, marketEngines) == 8376);
static_assert(offsetof(World, ownEngines) == 998376);
static_assert(offsetof(World, bestCpuSpeed) == 1988380);
static_assert(offsetof(World, bestGpuSpeed) == 1988384);
static_assert(offsetof(World, bestSpuSpeed) == 1988388);
static_assert(offsetof(World, savedYear) == 1988392);
static_assert(offsetof(World, savedWeek) == 1988396);
static_assert(offsetof(World, costIndex) == 1988400);
static_assert(offsetof(World, hardwareInterest) == 1988404);
static_assert(offsetof(World, hardwareInterestNow) == 1998884);
static_assert(offsetof(World, hardwareDemandForecast) == 1998892);
static_assert(offsetof(World, headquartersLevel) == 1999308);
static_assert(offsetof(World, factoryLevel) == 1999309);
static_assert(offsetof(World, publisherLevel) == 1999310);
static_assert(offsetof(World, warehouseLevel) == 1999311);
static_assert(offsetof(World, extraOffices) == 1999312);
static_assert(offsetof(World, gamesImage) == 1999314);
static_assert(offsetof(World, platformsImage) == 1999315);
static_assert(offsetof(World, productHistory) == 1999320);
static_assert(offsetof(World, weeklyCash) == 2604120);
static_assert(offsetof(World, weeklyPerkCost) == 2604328);
static_assert(offsetof(World, weeklyWages) == 2604536);
static_assert(offsetof(World, weeklyLoan) == 2604744);
static_assert(offsetof(World, yearlyWages) == 2604952);
static_assert(offsetof(World, yearlyPerkCost) == 2605096);
static_assert(offsetof(World, yearlyLoanCost) == 2605240);
static_assert(offsetof(World, yearlyIncome) == 2605384);
static_assert(offsetof(World, yearlyCash) == 2605528);
static_assert(offsetof(World, yearlyDevelopmentCost) == 2605672);
static_assert(offsetof(World, yearlyBuildingCost) == 2605816);
static_assert(offsetof(World, yearlyEmployees) == 2605960);
static_assert(offsetof(World, sharePriceHistory) == 2606104);
static_assert(offsetof(World, storageEntries) == 2606528);
static_assert(offsetof(World, lineLoad) == 2630528);
static_assert(offsetof(World, lineOutputLevel) == 2630536);
static_assert(offsetof(World, assemblyLines) == 2630540);
static_assert(offsetof(World, products) == 2631020);
static_assert(offsetof(World, newsItems) == 2715020);
static_assert(offsetof(World, companyHistory) == 2718836);
static_assert(offsetof(World, worldHistory) == 3010436);

// A product slot is free when its first reference can be neither a
// catalogue year nor a platform index.
inline bool productFree(const ProductEntry& p) { return p.refA <= 0 || p.refA > 3000; }

// ---------------------------------------------------------------------------
// Everything a save file holds, in file order. At about 32 MB it must live on
// the heap; value-initialising it gives the all-zero state of a new game.
struct SaveImage {
    Arr<Cpu, 1, 500> cpus;
    Arr<Arr<GameTitle, 1, 3500>, 1977, 2015> gameTitles;  // [year][index]
    Arr<Platform, 1, 500> platforms;
    Arr<Person, 1, 5000> people;
    Arr<i32, 1970, 2099> catalogueGamesPerYear;
    Arr<Company, 1, 500> companies;
    World world;
    Arr<i32, 1977, 2015> titlesPerYear;
    Arr<Genre, 1, 500> genres;
    Arr<Task, 1, 500> tasks;
};

inline constexpr std::size_t kSaveImageSize = 32744712;

static_assert(sizeof(SaveImage) == kSaveImageSize);
static_assert(kPlainRecord<SaveImage>);
static_assert(offsetof(SaveImage, cpus) == 0);
static_assert(offsetof(SaveImage, gameTitles) == 134000);
static_assert(offsetof(SaveImage, platforms) == 27980000);
static_assert(offsetof(SaveImage, people) == 28182000);
static_assert(offsetof(SaveImage, catalogueGamesPerYear) == 28722000);
static_assert(offsetof(SaveImage, companies) == 28722520);
static_assert(offsetof(SaveImage, world) == 28784520);
static_assert(offsetof(SaveImage, titlesPerYear) == 32086556);
static_assert(offsetof(SaveImage, genres) == 32086712);
static_assert(offsetof(SaveImage, tasks) == 32116712);

}  // namespace cw
