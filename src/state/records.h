// The records of the game tables, byte for byte as they appear in a save
// file. A save is the tables written back to back, so every struct here is
// plain data whose size and field offsets are fixed. Bytes the game never
// gives a meaning to are kept as explicit reserved arrays named by their
// offset: they are written and read back unchanged, and a new game holds
// zero in them.
#pragma once

#include <cstddef>
#include <type_traits>

#include "state/types.h"

namespace cw {

// Checks that a record can be copied as raw bytes and that offsetof is
// meaningful for it.
template <typename T>
inline constexpr bool kPlainRecord = std::is_trivially_copyable_v<T> && std::is_standard_layout_v<T>;

// ---------------------------------------------------------------------------
// Copy protection of the player's games on one platform.
struct ProtectionState {
    i32 strength;  // -1 never bought, otherwise weeks of protection left
    bool8 cracked;
    u8 reserved_5[3];
};
static_assert(sizeof(ProtectionState) == 8);
static_assert(kPlainRecord<ProtectionState>);
static_assert(offsetof(ProtectionState, strength) == 0);
static_assert(offsetof(ProtectionState, cracked) == 4);

// ---------------------------------------------------------------------------
// One engine cell: the market's best or the player's engine for a
// platform/genre pair, and the engine being built by an engine task.
struct EngineSlot {
    pstr<20> name;
    u8 genre;
    u8 featureLevel;  // genre integration 0..5
    u8 platform;
    u8 codeLevel;     // 0 means the player has no engine for the pair
    u8 reserved_25[3];
    i32 rating;       // 0 means the slot holds no engine
    i32 experience;   // base value the rating is computed from
    i32 licenceIncome;
    i32 supportCost;
};
static_assert(sizeof(EngineSlot) == 44);
static_assert(kPlainRecord<EngineSlot>);
static_assert(offsetof(EngineSlot, name) == 0);
static_assert(offsetof(EngineSlot, genre) == 21);
static_assert(offsetof(EngineSlot, featureLevel) == 22);
static_assert(offsetof(EngineSlot, platform) == 23);
static_assert(offsetof(EngineSlot, codeLevel) == 24);
static_assert(offsetof(EngineSlot, rating) == 28);
static_assert(offsetof(EngineSlot, experience) == 32);
static_assert(offsetof(EngineSlot, licenceIncome) == 36);
static_assert(offsetof(EngineSlot, supportCost) == 40);

// ---------------------------------------------------------------------------
// One of the player's products. For a game refA/refB are the catalogue year
// and index, for an engine the platform and genre, for a platform refA is its
// index. A slot with refA outside 1..3000 is free.
struct ProductEntry {
    i32 refA;
    i32 refB;
    i32 value8;   // cleared whenever the slot is reused
    i32 kind;     // 1 game, 2 engine, 4 platform
    i32 value16;  // survives reuse of the slot
    bool8 released;
    u8 reserved_21[3];
};
static_assert(sizeof(ProductEntry) == 24);
static_assert(kPlainRecord<ProductEntry>);
static_assert(offsetof(ProductEntry, refA) == 0);
static_assert(offsetof(ProductEntry, refB) == 4);
static_assert(offsetof(ProductEntry, value8) == 8);
static_assert(offsetof(ProductEntry, kind) == 12);
static_assert(offsetof(ProductEntry, value16) == 16);
static_assert(offsetof(ProductEntry, released) == 20);

// ---------------------------------------------------------------------------
struct NewsItem {
    pstr<40> title;  // empty title = free slot
    pstr<255> text;
    pstr<20> dateText;
};
static_assert(sizeof(NewsItem) == 318);
static_assert(kPlainRecord<NewsItem>);
static_assert(offsetof(NewsItem, title) == 0);
static_assert(offsetof(NewsItem, text) == 41);
static_assert(offsetof(NewsItem, dateText) == 297);

// ---------------------------------------------------------------------------
// Sales curve of one product, indexed by week on sale.
struct ProductHistory {
    u8 reserved_0[8];
    Arr<u8, 1, 200> chartPos;
    Arr<i32, 1, 200> weekRevenue;
};
static_assert(sizeof(ProductHistory) == 1008);
static_assert(kPlainRecord<ProductHistory>);
static_assert(offsetof(ProductHistory, chartPos) == 8);
static_assert(offsetof(ProductHistory, weekRevenue) == 208);

// ---------------------------------------------------------------------------
// A warehouse entry. A console is keyed by its platform alone, a game by
// both keys; itemKind 0 marks a free entry.
struct StorageEntry {
    i32 itemKey;
    i32 itemKey2;
    i32 stock;
    i32 itemKind;  // 1 game, 4 platform
    u8 reserved_16[8];
};
static_assert(sizeof(StorageEntry) == 24);
static_assert(kPlainRecord<StorageEntry>);
static_assert(offsetof(StorageEntry, itemKey) == 0);
static_assert(offsetof(StorageEntry, itemKey2) == 4);
static_assert(offsetof(StorageEntry, stock) == 8);
static_assert(offsetof(StorageEntry, itemKind) == 12);

// ---------------------------------------------------------------------------
struct AssemblyLine {
    i32 linePlatform;  // 0 = idle
    i32 value4;        // reset to 0 whenever a platform is assigned
    i32 value8;        // never read by production
    i32 lineKind;      // 4 while a console is assigned
    u8 reserved_16[8];
};
static_assert(sizeof(AssemblyLine) == 24);
static_assert(kPlainRecord<AssemblyLine>);
static_assert(offsetof(AssemblyLine, linePlatform) == 0);
static_assert(offsetof(AssemblyLine, value4) == 4);
static_assert(offsetof(AssemblyLine, value8) == 8);
static_assert(offsetof(AssemblyLine, lineKind) == 12);

// ---------------------------------------------------------------------------
// A computer-run company. Empty name = free slot.
struct Company {
    pstr<40> name;
    u8 reserved_41[3];
    i32 gameCount;
    i32 money;
    u8 reserved_52[4];
    i32 companyLoan;
    i32 playerSharesHeld;
    i32 sharePrice;
    i32 playerOwnsPercent;
    i32 firstYear;
    Arr<i32, 1, 10> staff;  // person indices, 0 = empty
    i32 listRow;
    u8 reserved_120[1];
    u8 busyWeeks;
    u8 reserved_122[2];
};
static_assert(sizeof(Company) == 124);
static_assert(kPlainRecord<Company>);
static_assert(offsetof(Company, name) == 0);
static_assert(offsetof(Company, gameCount) == 44);
static_assert(offsetof(Company, money) == 48);
static_assert(offsetof(Company, companyLoan) == 56);
static_assert(offsetof(Company, playerSharesHeld) == 60);
static_assert(offsetof(Company, sharePrice) == 64);
static_assert(offsetof(Company, playerOwnsPercent) == 68);
static_assert(offsetof(Company, firstYear) == 72);
static_assert(offsetof(Company, staff) == 76);
static_assert(offsetof(Company, listRow) == 116);
static_assert(offsetof(Company, busyWeeks) == 121);

// ---------------------------------------------------------------------------
struct Person {
    u8 rank;
    u8 workArea;  // 1 software, 2 hardware, 3 publishing, 4 miscellaneous
    u8 reserved_2[2];
    i32 currentTask;
    u8 unknown8;  // only ever written (0) when the person is generated
    pstr<40> name;
    u8 age;
    u8 leadership;
    u8 platformPorting;
    u8 genreExperience;
    u8 talentLeadership;
    u8 talentHardware;
    u8 talentDesign;
    u8 talentGraphics;
    u8 talentProgramming;
    u8 programming;
    u8 design;
    u8 graphics;
    u8 hardware;
    u8 publishing;
    u8 platformExperience;
    bool8 employed;
    u8 reserved_66[2];
    i32 employerCompany;
    i32 salary;  // per 4 weeks
    i32 labourMarketYear;
    i32 overallRating;
    i32 studyWeeksLeft;
    i32 leadWeeksLeft;
    i32 hireYear;
    i32 hireWeek;
    bool8 neverAgain;
    u8 interviewCooldown;
    u8 reserved_102[1];
    bool8 freeCar;
    bool8 freePhone;
    u8 reserved_105[1];
    bool8 freeComputer;
    u8 reserved_107[1];
};
static_assert(sizeof(Person) == 108);
static_assert(kPlainRecord<Person>);
static_assert(offsetof(Person, rank) == 0);
static_assert(offsetof(Person, workArea) == 1);
static_assert(offsetof(Person, currentTask) == 4);
static_assert(offsetof(Person, unknown8) == 8);
static_assert(offsetof(Person, name) == 9);
static_assert(offsetof(Person, age) == 50);
static_assert(offsetof(Person, leadership) == 51);
static_assert(offsetof(Person, platformPorting) == 52);
static_assert(offsetof(Person, genreExperience) == 53);
static_assert(offsetof(Person, talentLeadership) == 54);
static_assert(offsetof(Person, talentHardware) == 55);
static_assert(offsetof(Person, talentDesign) == 56);
static_assert(offsetof(Person, talentGraphics) == 57);
static_assert(offsetof(Person, talentProgramming) == 58);
static_assert(offsetof(Person, programming) == 59);
static_assert(offsetof(Person, design) == 60);
static_assert(offsetof(Person, graphics) == 61);
static_assert(offsetof(Person, hardware) == 62);
static_assert(offsetof(Person, publishing) == 63);
static_assert(offsetof(Person, platformExperience) == 64);
static_assert(offsetof(Person, employed) == 65);
static_assert(offsetof(Person, employerCompany) == 68);
static_assert(offsetof(Person, salary) == 72);
static_assert(offsetof(Person, labourMarketYear) == 76);
static_assert(offsetof(Person, overallRating) == 80);
static_assert(offsetof(Person, studyWeeksLeft) == 84);
static_assert(offsetof(Person, leadWeeksLeft) == 88);
static_assert(offsetof(Person, hireYear) == 92);
static_assert(offsetof(Person, hireWeek) == 96);
static_assert(offsetof(Person, neverAgain) == 100);
static_assert(offsetof(Person, interviewCooldown) == 101);
static_assert(offsetof(Person, freeCar) == 103);
static_assert(offsetof(Person, freePhone) == 104);
static_assert(offsetof(Person, freeComputer) == 106);

// ---------------------------------------------------------------------------
// A catalogue title: the historic games, the competitors' releases and the
// player's own games. A game task carries one while the game is being made.
struct GameTitle {
    pstr<30> title;
    u8 genre;
    u8 platform;
    u8 reserved_33[3];
    i32 companyRow;
    u8 publisherShare;
    u8 reserved_41[3];
    i32 weeklyOutput;
    i32 advertising;
    i32 releaseYear;
    u8 releaseWeek;
    bool8 isPlayers;
    u8 reserved_58[2];
    i32 fans;
    u8 reserved_64[4];
    bool8 usesPlayerEngine;
    u8 reserved_69[3];
    i32 engineRoyalty;
    i32 totalSales;
    i32 weekSalesUS;
    i32 weekSalesEU;
    i32 weekSalesAsia;
    bool8 inUS;
    bool8 inEU;
    bool8 inAsia;
    u8 reserved_95[13];
    i32 hype;
    u8 sequelNumber;
    bool8 hasSequel;
    u8 reserved_114[2];
    i32 paidToPartners;
    u8 extrasScore;
    bool8 hasGameEditor;
    bool8 hasModEditor;
    bool8 hasMultiplayer;
    bool8 hasSerialNetwork;
    bool8 hasMmo;
    bool8 hasCutsceneActor;
    bool8 hasVoiceActor;
    bool8 hasCelebrity;
    u8 reserved_129[1];
    u8 soundStudioAtFinish;
    u8 partnerShare;
    u8 salesScore;
    u8 reviewScore;
    u8 reserved_134[1];
    u8 bestChartPos;
    u8 chartPos;
    bool8 released;
    u8 reserved_138[2];
    i32 weeksOnSale;
    i32 price;
    u8 reserved_148[4];
    i32 workLeftProgramming;
    i32 workLeftDesign;
    i32 workLeftGraphics;
    u8 focusGameplay;
    u8 focusComplexity;
    u8 focusReplayability;
    u8 reserved_167[1];
    i32 qualityGameplay;
    i32 qualityComplexity;
    i32 qualityReplayability;
    u8 researchProgramming;
    u8 researchDesign;
    u8 researchGraphics;
    u8 expProgramming;  // stops at 255
    u8 expDesign;
    u8 expGraphics;
    u8 shareProgramming;
    u8 shareDesign;
    u8 shareGraphics;
    u8 reserved_189[15];
};
static_assert(sizeof(GameTitle) == 204);
static_assert(kPlainRecord<GameTitle>);
static_assert(offsetof(GameTitle, title) == 0);
static_assert(offsetof(GameTitle, genre) == 31);
static_assert(offsetof(GameTitle, platform) == 32);
static_assert(offsetof(GameTitle, companyRow) == 36);
static_assert(offsetof(GameTitle, publisherShare) == 40);
static_assert(offsetof(GameTitle, weeklyOutput) == 44);
static_assert(offsetof(GameTitle, advertising) == 48);
static_assert(offsetof(GameTitle, releaseYear) == 52);
static_assert(offsetof(GameTitle, releaseWeek) == 56);
static_assert(offsetof(GameTitle, isPlayers) == 57);
static_assert(offsetof(GameTitle, fans) == 60);
static_assert(offsetof(GameTitle, usesPlayerEngine) == 68);
static_assert(offsetof(GameTitle, engineRoyalty) == 72);
static_assert(offsetof(GameTitle, totalSales) == 76);
static_assert(offsetof(GameTitle, weekSalesUS) == 80);
static_assert(offsetof(GameTitle, weekSalesEU) == 84);
static_assert(offsetof(GameTitle, weekSalesAsia) == 88);
static_assert(offsetof(GameTitle, inUS) == 92);
static_assert(offsetof(GameTitle, inEU) == 93);
static_assert(offsetof(GameTitle, inAsia) == 94);
static_assert(offsetof(GameTitle, hype) == 108);
static_assert(offsetof(GameTitle, sequelNumber) == 112);
static_assert(offsetof(GameTitle, hasSequel) == 113);
static_assert(offsetof(GameTitle, paidToPartners) == 116);
static_assert(offsetof(GameTitle, extrasScore) == 120);
static_assert(offsetof(GameTitle, hasGameEditor) == 121);
static_assert(offsetof(GameTitle, hasModEditor) == 122);
static_assert(offsetof(GameTitle, hasMultiplayer) == 123);
static_assert(offsetof(GameTitle, hasSerialNetwork) == 124);
static_assert(offsetof(GameTitle, hasMmo) == 125);
static_assert(offsetof(GameTitle, hasCutsceneActor) == 126);
static_assert(offsetof(GameTitle, hasVoiceActor) == 127);
static_assert(offsetof(GameTitle, hasCelebrity) == 128);
static_assert(offsetof(GameTitle, soundStudioAtFinish) == 130);
static_assert(offsetof(GameTitle, partnerShare) == 131);
static_assert(offsetof(GameTitle, salesScore) == 132);
static_assert(offsetof(GameTitle, reviewScore) == 133);
static_assert(offsetof(GameTitle, bestChartPos) == 135);
static_assert(offsetof(GameTitle, chartPos) == 136);
static_assert(offsetof(GameTitle, released) == 137);
static_assert(offsetof(GameTitle, weeksOnSale) == 140);
static_assert(offsetof(GameTitle, price) == 144);
static_assert(offsetof(GameTitle, workLeftProgramming) == 152);
static_assert(offsetof(GameTitle, workLeftDesign) == 156);
static_assert(offsetof(GameTitle, workLeftGraphics) == 160);
static_assert(offsetof(GameTitle, focusGameplay) == 164);
static_assert(offsetof(GameTitle, focusComplexity) == 165);
static_assert(offsetof(GameTitle, focusReplayability) == 166);
static_assert(offsetof(GameTitle, qualityGameplay) == 168);
static_assert(offsetof(GameTitle, qualityComplexity) == 172);
static_assert(offsetof(GameTitle, qualityReplayability) == 176);
static_assert(offsetof(GameTitle, researchProgramming) == 180);
static_assert(offsetof(GameTitle, researchDesign) == 181);
static_assert(offsetof(GameTitle, researchGraphics) == 182);
static_assert(offsetof(GameTitle, expProgramming) == 183);
static_assert(offsetof(GameTitle, expDesign) == 184);
static_assert(offsetof(GameTitle, expGraphics) == 185);
static_assert(offsetof(GameTitle, shareProgramming) == 186);
static_assert(offsetof(GameTitle, shareDesign) == 187);
static_assert(offsetof(GameTitle, shareGraphics) == 188);

// ---------------------------------------------------------------------------
// A publisher deal slot of a platform. The ten slots are stored interleaved
// (company, games left, company, games left, ...), so they are kept as pairs
// rather than as two parallel arrays.
struct DealSlot {
    i32 dealCompany;    // Companies index, 0 = free slot
    i32 dealGamesLeft;
};
static_assert(sizeof(DealSlot) == 8);
static_assert(kPlainRecord<DealSlot>);
static_assert(offsetof(DealSlot, dealCompany) == 0);
static_assert(offsetof(DealSlot, dealGamesLeft) == 4);

// A platform on the market, or the player's console while it is designed.
// Empty name = free slot.
struct Platform {
    pstr<25> name;
    u8 platformKind;  // 0 computer, 1 home console, 2 handheld
    u8 selfIndex;     // low byte of the platform's own slot index
    u8 piracyPercent;
    u8 stillInUsePercent;
    u8 lowSalesWeeks;
    u8 troubleWeeks;
    bool8 discontinued;
    u8 reserved_33[3];
    i32 gameCount;
    i32 marketRank;  // 0 = not ranked
    u8 marketShare;
    u8 reserved_45[3];
    i32 cpuSpec;
    i32 price;
    i32 overallIndex;
    i32 opinion;
    u8 releaseWeek;
    u8 reserved_65[3];
    i32 releaseYear;
    bool8 playerOwned;
    u8 reserved_73[3];
    i32 soldUnits;
    i32 makerEarnings;
    Arr<i32, 1, 3> weekSalesByRegion;  // 1 US, 2 Europe, 3 Asia
    Arr<i32, 1, 3> soldByRegion;
    i32 productionSpending;
    i32 unitStock;
    u8 bugCooldown;
    bool8 bundleController;
    bool8 bundleGame;
    u8 reserved_119[9];
    i32 mainCpu;  // Cpus slots, 0 = none
    i32 secondCpu;
    i32 gpu;
    i32 spu;
    i32 ramChoice;
    i32 costReduction;
    u8 reserved_152[4];
    i32 hype;
    u8 reserved_160[1];
    bool8 launched;
    bool8 released;
    u8 reserved_163[1];
    i32 weeksOnMarket;
    i32 productionCost;
    u8 reserved_172[1];
    u8 standingRank;
    u8 previousMarketRank;  // low byte of last week's marketRank
    u8 reserved_175[1];
    Arr<DealSlot, 1, 10> deals;
    u8 reserved_256[148];
};
static_assert(sizeof(Platform) == 404);
static_assert(kPlainRecord<Platform>);
static_assert(offsetof(Platform, name) == 0);
static_assert(offsetof(Platform, platformKind) == 26);
static_assert(offsetof(Platform, selfIndex) == 27);
static_assert(offsetof(Platform, piracyPercent) == 28);
static_assert(offsetof(Platform, stillInUsePercent) == 29);
static_assert(offsetof(Platform, lowSalesWeeks) == 30);
static_assert(offsetof(Platform, troubleWeeks) == 31);
static_assert(offsetof(Platform, discontinued) == 32);
static_assert(offsetof(Platform, gameCount) == 36);
static_assert(offsetof(Platform, marketRank) == 40);
static_assert(offsetof(Platform, marketShare) == 44);
static_assert(offsetof(Platform, cpuSpec) == 48);
static_assert(offsetof(Platform, price) == 52);
static_assert(offsetof(Platform, overallIndex) == 56);
static_assert(offsetof(Platform, opinion) == 60);
static_assert(offsetof(Platform, releaseWeek) == 64);
static_assert(offsetof(Platform, releaseYear) == 68);
static_assert(offsetof(Platform, playerOwned) == 72);
static_assert(offsetof(Platform, soldUnits) == 76);
static_assert(offsetof(Platform, makerEarnings) == 80);
static_assert(offsetof(Platform, weekSalesByRegion) == 84);
static_assert(offsetof(Platform, soldByRegion) == 96);
static_assert(offsetof(Platform, productionSpending) == 108);
static_assert(offsetof(Platform, unitStock) == 112);
static_assert(offsetof(Platform, bugCooldown) == 116);
static_assert(offsetof(Platform, bundleController) == 117);
static_assert(offsetof(Platform, bundleGame) == 118);
static_assert(offsetof(Platform, mainCpu) == 128);
static_assert(offsetof(Platform, secondCpu) == 132);
static_assert(offsetof(Platform, gpu) == 136);
static_assert(offsetof(Platform, spu) == 140);
static_assert(offsetof(Platform, ramChoice) == 144);
static_assert(offsetof(Platform, costReduction) == 148);
static_assert(offsetof(Platform, hype) == 156);
static_assert(offsetof(Platform, launched) == 161);
static_assert(offsetof(Platform, released) == 162);
static_assert(offsetof(Platform, weeksOnMarket) == 164);
static_assert(offsetof(Platform, productionCost) == 168);
static_assert(offsetof(Platform, standingRank) == 173);
static_assert(offsetof(Platform, previousMarketRank) == 174);
static_assert(offsetof(Platform, deals) == 176);

// ---------------------------------------------------------------------------
// A processor: main CPU, graphics chip, combined chip or sound chip.
struct Cpu {
    pstr<25> name;
    u8 cpuType;  // 1 CPU, 2 GPU, 3 combined, 4 SPU
    u8 reserved_27[1];
    i32 releaseYear;
    i32 releaseWeek;
    i32 speed;
    i32 launchPrice;
    i32 refColumn2;  // copied from the reference table, carried unchanged
    pstr<3> bits;
    i32 price;
    bool8 announced;
    u8 reserved_57[3];
    Arr<i32, 1, 52> priceHistory;  // by week of the current year
};
static_assert(sizeof(Cpu) == 268);
static_assert(kPlainRecord<Cpu>);
static_assert(offsetof(Cpu, name) == 0);
static_assert(offsetof(Cpu, cpuType) == 26);
static_assert(offsetof(Cpu, releaseYear) == 28);
static_assert(offsetof(Cpu, releaseWeek) == 32);
static_assert(offsetof(Cpu, speed) == 36);
static_assert(offsetof(Cpu, launchPrice) == 40);
static_assert(offsetof(Cpu, refColumn2) == 44);
static_assert(offsetof(Cpu, bits) == 48);
static_assert(offsetof(Cpu, price) == 52);
static_assert(offsetof(Cpu, announced) == 56);
static_assert(offsetof(Cpu, priceHistory) == 60);

// ---------------------------------------------------------------------------
struct Genre {
    pstr<30> name;
    pstr<10> shortName;
    u8 reserved_42[2];
    i32 interest;
    i32 yearAvailable;  // 2999 = never available
    i32 upcomingHits;
    i32 trend;          // -4..4
};
static_assert(sizeof(Genre) == 60);
static_assert(kPlainRecord<Genre>);
static_assert(offsetof(Genre, name) == 0);
static_assert(offsetof(Genre, shortName) == 31);
static_assert(offsetof(Genre, interest) == 44);
static_assert(offsetof(Genre, yearAvailable) == 48);
static_assert(offsetof(Genre, upcomingHits) == 52);
static_assert(offsetof(Genre, trend) == 56);

// ---------------------------------------------------------------------------
// A project of the player's company. A task carries the full record of the
// game, platform or engine it builds; only the one matching taskType is in
// use, the other two are carried as they are.
struct Task {
    pstr<20> name;  // empty = free slot
    u8 reserved_21[3];
    i32 selfIndex;
    u8 taskType;
    u8 taskSubtype;
    u8 reserved_30[2];
    i32 leader;                // person index, 0 = none
    Arr<i32, 1, 100> staff;    // person indices, 0 = empty
    i32 progress;
    i32 workTotal;             // cost reduction: weeks left
    bool8 improveCost;
    bool8 improving;
    u8 reserved_446[2];
    i32 improveWeeksLeft;
    i32 productSlot;
    i32 linkArg456;  // link argument given when a game task is created (always 0)
    GameTitle game;
    Platform platform;
    EngineSlot engine;
    u8 reserved_1112[8];
    pstr<80> platformList;  // chosen platform indices, each followed by ';'
    u8 reserved_1201[3];
    i32 freelancers;
    i32 improvementPoints;
    i32 unknown1212;  // cleared when a platform task is created, otherwise untouched
    i32 spent;
    bool8 closedFlag;
    u8 reserved_1221[3];
    i32 hype;
    u8 reserved_1228[28];
};
static_assert(sizeof(Task) == 1256);
static_assert(kPlainRecord<Task>);
static_assert(offsetof(Task, name) == 0);
static_assert(offsetof(Task, selfIndex) == 24);
static_assert(offsetof(Task, taskType) == 28);
static_assert(offsetof(Task, taskSubtype) == 29);
static_assert(offsetof(Task, leader) == 32);
static_assert(offsetof(Task, staff) == 36);
static_assert(offsetof(Task, progress) == 436);
static_assert(offsetof(Task, workTotal) == 440);
static_assert(offsetof(Task, improveCost) == 444);
static_assert(offsetof(Task, improving) == 445);
static_assert(offsetof(Task, improveWeeksLeft) == 448);
static_assert(offsetof(Task, productSlot) == 452);
static_assert(offsetof(Task, linkArg456) == 456);
static_assert(offsetof(Task, game) == 460);
static_assert(offsetof(Task, platform) == 664);
static_assert(offsetof(Task, engine) == 1068);
static_assert(offsetof(Task, platformList) == 1120);
static_assert(offsetof(Task, freelancers) == 1204);
static_assert(offsetof(Task, improvementPoints) == 1208);
static_assert(offsetof(Task, unknown1212) == 1212);
static_assert(offsetof(Task, spent) == 1216);
static_assert(offsetof(Task, closedFlag) == 1220);
static_assert(offsetof(Task, hype) == 1224);

}  // namespace cw
