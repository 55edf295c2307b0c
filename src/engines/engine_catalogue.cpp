#include "engines/engine_catalogue.h"

#include <algorithm>

#include "dev/dev_tools.h"

namespace cw {

const std::vector<EngineFunctionGroup>& engineFunctionCatalogue() {
    static const std::vector<EngineFunctionGroup> kGroups = {
        {1, 1977, {{"Text mode", 100}, {"Animated Text", 150}, {"Controller: Keyboard", 100}, {"Save Game function", 75}}},
        {2, 1978,
         {{"Highres Text Mode", 150},
          {"Scrolling Text,4*4", 175},
          {"Controller:Keyboard Multipress", 125},
          {"4 bit instruction support", 100}}},
        {2, 1979, {{"2D Graphical Mode", 200}, {"Sprites, 2 color, 8*8", 250}, {"Controller: One button Joy", 175}}},
        {3, 1981,
         {{"2D Scrolling mode", 350},
          {"Sprite, 4 color, 8*8", 300},
          {"Controller: Multi button Joy", 175},
          {"8 bit instruction support", 300}}},
        {4, 1982,
         {{"2D Isomatric Mode", 400}, {"Sprite, 8 color, 16*16", 350}, {"Controller : Multi function joy", 200}}},
        {5, 1984,
         {{"2D vector, wireframe mode", 500},
          {"Sprites, 8 Color, 48*48 interlaced", 400},
          {"Controller : ADV.Multi function joy", 200},
          {"8 bit incl. support chips", 450}}},
        {6, 1986,
         {{"3D Vector, Wireframe mode", 800},
          {"Sprites, 16 Color, 32*32 interlaced", 450},
          {"Controller : Mouse One button", 225},
          {"16 bit instruction support", 600}}},
        {7, 1989,
         {{"3D Vector, solid color", 1000},
          {"Sprites, 32 Color, 128*128 pixels", 500},
          {"Controller: Mouse two Buttons", 250},
          {"16 bit incl. Support chips", 800}}},
        {8, 1991,
         {{"3D Vector, Semi-Texture", 1500},
          {"Sprites, 256 Color, 128*128 pixels", 500},
          {"Controller: Mouse Multi Buttons", 300}}},
        {9, 1994,
         {{"3D Vector, true-textured", 1700},
          {"Blob Sprites, 256 Color, 1024*1024 pixels", 500},
          {"Controller: Genre specified", 400},
          {"32 bit instruction support", 1200}}},
        {10, 1997,
         {{"3D Vector, true-textured", 1700},
          {"Blob Sprites, 16000 Color, 512*512 pixels", 750},
          {"Controller : Semi-3D glasses", 600}}},
        {11, 1999,
         {{"3D Vector, Bumpmapping etc.", 1800},
          {"Blob Sprites, 65000 Color, 512*512 pixels", 900},
          {"Controller : 3D glasses", 700},
          {"64 bit instruction support", 1600}}},
        {12, 2004,
         {{"3D Vector, Realtime semi-Bump mapping etc.", 2100},
          {"Blob Sprites, True color, 1024*1024 pixels", 1000},
          {"Controller : Advanced Reallife", 850},
          {"128 bit instruction support", 2000}}},
        {13, 2009,
         {{"3D Vector, Realtime reallife rendering.", 2500},
          {"Blobs, Realtime Animated, 1024*1024 pixels", 1000},
          {"Controller : Full Body suite", 1000},
          {"256 bit instruction support", 2400}}},
    };
    return kGroups;
}

std::string OfferedFunction::text() const { return name + " (" + std::to_string(size) + " Codelines)"; }

std::array<std::vector<OfferedFunction>, 3> offeredEngineFunctions(i32 year) {
    std::array<std::vector<OfferedFunction>, 3> lists;
    // Newest first: advanced (x11), standard (x8), simple (x5).
    static constexpr std::array<int, 3> kListOrder = {kAdvancedFunctions, kStandardFunctions, kSimpleFunctions};
    static constexpr std::array<i32, 3> kFactor = {11, 8, 5};
    const auto& groups = engineFunctionCatalogue();
    std::size_t filled = 0;
    for (auto it = groups.rbegin(); it != groups.rend() && filled < 3; ++it) {
        if (it->year > year) continue;
        auto& list = lists[static_cast<std::size_t>(kListOrder[filled])];
        for (const EngineFunction& f : it->functions) list.push_back({f.name, f.baseSize * kFactor[filled]});
        ++filled;
    }
    return lists;
}

std::array<std::vector<bool>, 3> initialEngineTicks(const std::array<std::vector<OfferedFunction>, 3>& lists) {
    std::array<std::vector<bool>, 3> ticks;
    for (std::size_t l = 0; l < 3; ++l) ticks[l].assign(lists[l].size(), false);
    for (std::size_t item : {std::size_t{2}, std::size_t{3}})
        for (std::size_t l = 0; l < 3; ++l)
            if (lists[l].size() > item) {
                ticks[l][item] = true;
                break;
            }
    return ticks;
}

const char* engineOptionCaption(EngineOption o) {
    switch (o) {
        case EngineOption::Optimizing: return "Extreme Optimizing";
        case EngineOption::Programming: return "Extreme Programming";
        case EngineOption::ArtificialIntelligence: return "Extreme artificial intelligence";
        case EngineOption::Testing: return "Extreme Engine Testing";
    }
    return "";
}

namespace {
bool on(const EngineOptions& o, EngineOption which) { return o[static_cast<std::size_t>(which)]; }
}  // namespace

i32 engineWork(i32 tickedLines, const EngineOptions& options) {
    i32 s = 1;
    if (on(options, EngineOption::Optimizing)) s = 25;
    if (on(options, EngineOption::Programming)) s += 35;
    if (on(options, EngineOption::ArtificialIntelligence)) s += 15;
    if (on(options, EngineOption::Testing)) s += 25;
    return tickedLines + (tickedLines / 100) * s;
}

int engineFeatureLevel(const std::array<int, 3>& tickedPerList, const EngineOptions& options) {
    int a = 1 + 2 * tickedPerList[kSimpleFunctions] + 4 * tickedPerList[kStandardFunctions] +
            8 * tickedPerList[kAdvancedFunctions];
    if (on(options, EngineOption::Optimizing)) a += 5;
    if (on(options, EngineOption::Programming)) a += 7;
    if (on(options, EngineOption::ArtificialIntelligence)) a += 3;
    if (on(options, EngineOption::Testing)) a += 5;
    int level = 1;
    for (int from : {10, 18, 26, 30, 36, 42, 50})
        if (a >= from) ++level;
    return level;
}

bool engineCellInRange(int platform, int genre) {
    return decltype(World::ownEngines)::inRange(platform) && Arr<EngineSlot, 1, 150>::inRange(genre);
}

int engineScore(const Game& g, int platform, int genre) {
    if (platform <= 0 || genre <= 0 || !engineCellInRange(platform, genre)) return 0;
    const EngineSlot& e = g.world().ownEngines[platform][genre];
    return 54 + 7 * e.codeLevel + 7 * e.featureLevel;
}

int genreBonus(const Game& g, int genre) {
    if (!engineCellInRange(1, genre)) return 0;
    int m = 0;
    u8 s = 0;  // kept in a byte, as the sum always was
    for (int p = 1; p <= 150; ++p) {
        const EngineSlot& e = g.world().ownEngines[p][genre];
        if (e.featureLevel <= 1) continue;
        m = std::max<int>(m, e.featureLevel);
        s = static_cast<u8>(s + e.featureLevel);
    }
    int k = 0;
    for (int above : {5, 10, 20, 40, 100})
        if (s > above) ++k;
    if (k > 0 && k + 1 > m) k = m - 1;
    return k;
}

EngineEstimate engineEstimate(const Game& g, i32 lines, int freelancers, int platform) {
    EngineEstimate e;
    e.lines = lines;
    const i32 rate = 45 + 10 * freelancers;
    const i32 t = toolLevels(g, platform).code;
    i32 l = lines;
    if (t > 1) l = l - (l / 100) * t * 15;
    e.weeks = std::max(0, l / rate);
    e.cost = e.weeks * (g.currentYear - 1976) * 1000 + e.weeks * freelancers * 500;
    return e;
}

}  // namespace cw
