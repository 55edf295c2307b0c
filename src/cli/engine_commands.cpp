// Engine commands of the headless driver: the functions the era offers, the
// "New Engine" page filled from options with its "Start development", and
// the product screen's three engine improvements.
#include <algorithm>
#include <cctype>

#include "cli/commands.h"
#include "cli/driver.h"
#include "engines/engine_deal.h"
#include "engines/engine_deal_screen.h"
#include "engines/engine_market.h"
#include "engines/engine_project.h"
#include "engines/product_status.h"

namespace cw::cli {
namespace {

std::vector<std::string> splitCommas(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto end = text.find(',', start);
        out.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return out;
}

void printRefusal(Session& s, const char* what, const Refusal& r) {
    s.out << what << ": refused: " << r.caption << " | " << oneLine(r.text) << '\n';
}

const char* kListNames[3] = {"Simple Functions :", "Standard Functions :", "Advanced Functions"};
const char kListKeys[3] = {'s', 't', 'a'};

std::string cmdEngineFunctions(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    NewEngineScreen screen(*s.game);
    for (int l = 0; l < 3; ++l) {
        const auto& list = screen.functions()[static_cast<std::size_t>(l)];
        s.out << kListNames[l] << ' ' << list.size() << '\n';
        for (std::size_t i = 0; i < list.size(); ++i)
            s.out << "  " << kListKeys[l] << i + 1 << (screen.ticked(l, static_cast<int>(i)) ? " [x] " : " [ ] ")
                  << list[i].text() << '\n';
    }
    return {};
}

// A function as "s1".."a4" (list letter and item), or its name as listed.
bool findFunction(const NewEngineScreen& screen, const std::string& text, int& list, int& item) {
    if (text.size() >= 2) {
        const auto key = std::find(std::begin(kListKeys), std::end(kListKeys), text[0]);
        long long n = 0;
        if (key != std::end(kListKeys) && parseInt(text.substr(1), n)) {
            list = static_cast<int>(key - std::begin(kListKeys));
            const auto count = static_cast<long long>(screen.functions()[static_cast<std::size_t>(list)].size());
            if (n < 1 || n > count) return false;
            item = static_cast<int>(n - 1);
            return true;
        }
    }
    for (int l = 0; l < 3; ++l) {
        const auto& fs = screen.functions()[static_cast<std::size_t>(l)];
        for (std::size_t i = 0; i < fs.size(); ++i)
            if (fs[i].name == text) {
                list = l;
                item = static_cast<int>(i);
                return true;
            }
    }
    return false;
}

std::string cmdNewEngine(Session& s, const Command& cmd) {
    Game& g = *s.game;
    NewEngineScreen screen(g);
    std::optional<std::string> name, platform, genre, manager, freelancers, functions, options;
    for (const Arg& a : cmd.args) {
        std::optional<std::string>* slot = nullptr;
        if (a.key == "name") slot = &name;
        else if (a.key == "platform") slot = &platform;
        else if (a.key == "genre") slot = &genre;
        else if (a.key == "manager") slot = &manager;
        else if (a.key == "freelancers") slot = &freelancers;
        else if (a.key == "functions") slot = &functions;
        else if (a.key == "options") slot = &options;
        else if (a.key.empty()) return "unexpected \"" + a.value + "\"; options are key=value";
        else return "unknown option " + a.key;
        *slot = a.value;
    }
    long long n = 0;
    if (platform) {
        const int p = platformByIndexOrName(g, *platform);
        if (p == 0) return "platform \"" + *platform + "\" is no platform's number or name (see platforms)";
        if (!screen.choosePlatform(p)) return "platform " + *platform + " is not offered";
    }
    if (genre) {
        const int i = genreByIndexOrName(g, *genre);
        if (i == 0) return "genre \"" + *genre + "\" is no genre's number or name (see genres)";
        if (!screen.chooseGenre(i)) return "genre " + *genre + " is not offered this year";
    }
    if (manager) {
        if (!parseInt(*manager, n)) return "manager must be a person number";
        if (const ActionResult refused = screen.setLeader(static_cast<int>(n)))
            s.out << "[refused] " << refused->caption << " | " << oneLine(refused->text) << '\n';
    }
    if (freelancers) {
        if (!parseInt(*freelancers, n) || n < 0) return "freelancers must be a whole number";
        if (screen.leader() <= 0)
            s.out << "freelancers: the field is disabled without a team manager\n";
        else
            screen.setFreelancers(static_cast<int>(n));
    }
    if (functions) {
        // The list replaces the ticks the page starts with.
        for (int l = 0; l < 3; ++l)
            for (std::size_t i = 0; i < screen.functions()[static_cast<std::size_t>(l)].size(); ++i)
                screen.tick(l, static_cast<int>(i), false);
        if (*functions != "none")
            for (const std::string& f : splitCommas(*functions)) {
                int l = 0, i = 0;
                if (!findFunction(screen, f, l, i))
                    return "function \"" + f + "\" is not offered (see engine-functions: s1.., t1.., a1..)";
                screen.tick(l, i, true);
            }
    }
    if (options) {
        static const std::pair<const char*, EngineOption> kNames[] = {
            {"optimizing", EngineOption::Optimizing},
            {"programming", EngineOption::Programming},
            {"ai", EngineOption::ArtificialIntelligence},
            {"testing", EngineOption::Testing}};
        for (const std::string& o : splitCommas(*options)) {
            const auto it =
                std::find_if(std::begin(kNames), std::end(kNames), [&](const auto& k) { return o == k.first; });
            if (it == std::end(kNames)) return "options are optimizing,programming,ai,testing";
            screen.setOption(it->second, true);
            if (!screen.option(it->second))
                s.out << "options: \"" << engineOptionCaption(it->second) << "\" is not available to this manager\n";
        }
    }
    // Without name= the engine is named after its genre, as a player would
    // type it; an explicit empty name still meets the page's refusal.
    if (!name && g.tables().genres.inRange(screen.genre()) && screen.genre() > 0)
        name = g.tables().genres[screen.genre()].name.str();
    screen.setName(name.value_or(""));

    s.out << "New Engine: " << (screen.name().empty() ? std::string("(no name)") : screen.name()) << ", platform "
          << screen.platform() << ", genre " << screen.genre() << ", manager " << screen.leader() << ", freelancers "
          << screen.freelancers() << " (" << screen.costText() << ")\n";
    for (const std::string& line : screen.engineLines()) s.out << line << '\n';
    if (screen.platform() > 0 && screen.genre() > 0) {
        const EngineMarketAnalysis m = engineMarketAnalysis(g, screen.platform(), screen.genre());
        s.out << "Number of game releases planned " << m.planned << ", Approx. releases (1 year) : "
              << m.approxOneYear << ", Possible next release : " << m.nextRelease << '\n';
    }
    std::string ticked;
    for (int l = 0; l < 3; ++l)
        for (std::size_t i = 0; i < screen.functions()[static_cast<std::size_t>(l)].size(); ++i)
            if (screen.ticked(l, static_cast<int>(i)))
                ticked += (ticked.empty() ? "" : ", ") + std::string(1, kListKeys[l]) + std::to_string(i + 1);
    s.out << "functions: " << (ticked.empty() ? std::string("(none)") : ticked) << ", feature level "
          << screen.featureLevel() << '\n';
    const EngineEstimate est = screen.estimate();
    s.out << est.lines << " Lines, " << est.weeks << " Week(s), " << est.cost << " $\n";

    if (const ActionResult refused = screen.startDevelopment(s.player)) {
        printRefusal(s, "new-engine", *refused);
        return {};
    }
    const Task& t = g.tables().tasks[screen.createdTask()];
    s.out << "created: task " << screen.createdTask() << " \"" << t.name.str() << "\", work " << t.workTotal
          << ", code level " << int(t.engine.codeLevel) << ", genre level " << int(t.engine.featureLevel)
          << ", rating " << t.engine.rating << '\n';
    return {};
}

std::string cmdUpgradeEngine(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (pos.size() != 2) return "takes an engine number (see engines) and code|genre|update";
    long long n = 0;
    if (!parseInt(pos[0], n)) return "the engine number must be a number (see engines)";
    const auto cells = ownEngineCells(*s.game);
    if (n < 1 || n > static_cast<long long>(cells.size())) return "no engine " + pos[0] + " (see engines)";
    EngineUpgrade kind = EngineUpgrade::Code;
    if (pos[1] == "code") kind = EngineUpgrade::Code;
    else if (pos[1] == "genre") kind = EngineUpgrade::Genre;
    else if (pos[1] == "update") kind = EngineUpgrade::Update;
    else return "the upgrade is code, genre or update";
    const auto [platform, genre] = cells[static_cast<std::size_t>(n - 1)];
    int ti = 0;
    if (const ActionResult refused = upgradeEngine(*s.game, s.player, platform, genre, kind, &ti)) {
        printRefusal(s, "upgrade-engine", *refused);
        return {};
    }
    const Task& t = s.game->tables().tasks[ti];
    s.out << "created: task " << ti << " \"" << t.name.str() << "\", work " << t.workTotal << ", rating "
          << t.engine.rating << '\n';
    return {};
}

// The platform (position 0) or genre (position 1) of an engine command, by
// index or name; engines exist for the first 150 of each.
std::string needEngineCell(const Session& s, const Command& cmd, std::size_t position, bool isGenre, int& value) {
    const auto pos = cmd.positional();
    const char* what = isGenre ? "genre" : "platform";
    if (position >= pos.size()) return std::string("missing a ") + what + " (number or name)";
    value = isGenre ? genreByIndexOrName(*s.game, pos[position]) : platformByIndexOrName(*s.game, pos[position]);
    if (value == 0) return "\"" + pos[position] + "\" is no " + what + "'s number or name";
    if (value > 150) return std::string("engines are made for the first 150 ") + what + "s, not " + pos[position];
    return {};
}

std::string cmdViewEngines(Session& s, const Command& cmd) {
    int n = 0;
    if (auto e = needEngineCell(s, cmd, 0, false, n); !e.empty()) return e;
    const auto rows = viewEngineRows(*s.game, static_cast<int>(n));
    s.out << "View Platform : " << n << '\n' << "  Genre | Best Competitor score | Your engine score\n";
    for (const EngineViewRow& r : rows) s.out << "  " << r.genreName << " | " << r.competitor << " | " << r.own << '\n';
    return {};
}

std::string cmdEngineChart(Session& s, const Command& cmd) {
    int p = 0, genre = 0;
    if (auto e = needEngineCell(s, cmd, 0, false, p); !e.empty()) return e;
    if (auto e = needEngineCell(s, cmd, 1, true, genre); !e.empty()) return e;
    const EngineMarketAnalysis m = engineMarketAnalysis(*s.game, p, genre);
    s.out << "releases of the next 156 weeks, reference line " << m.referenceLine << '\n';
    for (std::size_t w = 0; w < m.chart.size(); ++w)
        if (m.chart[w] > 0) s.out << "  week +" << w << ": " << m.chart[w] << '\n';
    return {};
}

// The chart of the deal screen: the release chart of an engine's pair.
std::string cmdEngineChartOf(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    long long n = 0;
    if (pos.size() != 1 || !parseInt(pos[0], n)) return "takes an engine number (see engines)";
    const auto cells = ownEngineCells(*s.game);
    if (n < 1 || n > static_cast<long long>(cells.size())) return "no engine " + pos[0] + " (see engines)";
    Command inner;
    inner.args.push_back({"", std::to_string(cells[static_cast<std::size_t>(n - 1)].first)});
    inner.args.push_back({"", std::to_string(cells[static_cast<std::size_t>(n - 1)].second)});
    return cmdEngineChart(s, inner);
}

std::string cmdSellEngine(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (pos.size() != 1) return "takes an engine number (see engines)";
    long long n = 0;
    if (!parseInt(pos[0], n)) return "the engine number must be a number (see engines)";
    const auto cells = ownEngineCells(*s.game);
    if (n < 1 || n > static_cast<long long>(cells.size())) return "no engine " + pos[0] + " (see engines)";
    long long row = 0, price = -1, royalty = -1, weeks = -1;
    bool make = false;
    for (const Arg& a : cmd.args) {
        if (a.key.empty()) continue;
        long long* slot = nullptr;
        if (a.key == "game") slot = &row;
        else if (a.key == "price") slot = &price;
        else if (a.key == "royalty") slot = &royalty;
        else if (a.key == "weeks") slot = &weeks;
        else if (a.key == "make") {
            make = a.value == "yes";
            continue;
        } else return "unknown option " + a.key;
        if (!parseInt(a.value, *slot)) return a.key + " must be a whole number";
    }
    Game& g = *s.game;
    const auto [platform, genre] = cells[static_cast<std::size_t>(n - 1)];
    // The deal screen stays open for more talks with its list until the
    // week ends or another engine is offered.
    const int week = g.currentYear * 52 + g.currentWeek;
    if (!s.engineDeal || s.engineDealNumber != n || s.engineDealWeek != week) {
        s.engineDeal.reset();
        if (const ActionResult refused = tryEngineSale(g, platform, genre)) {
            printRefusal(s, "sell-engine", *refused);
            return {};
        }
        s.engineDeal = std::make_shared<EngineDealScreen>(g, platform, genre);
        s.engineDealNumber = static_cast<int>(n);
        s.engineDealWeek = week;
    }
    EngineDealScreen& d = *s.engineDeal;
    const auto& candidates = d.candidates();
    s.out << "Try to Sell Engine: " << candidates.size() << " game(s)\n  N | Game | Game preview score\n";
    for (std::size_t i = 0; i < candidates.size(); ++i)
        s.out << "  " << i + 1 << " | " << candidates[i].title << " | " << candidates[i].previewScore << " - "
              << d.scoreText(candidates[i]) << '\n';
    for (const EngineSupportRow& r : d.supportTasks())
        s.out << "  support: task " << r.task << " \"" << r.name << "\", " << r.weeksLeft << " week(s) left, "
              << r.price << "$\n";
    for (const EngineLicenceRow& r : d.licensedGames())
        s.out << "  licensed: " << r.title << " (" << r.developer << "), " << r.royalty << "%, release " << r.released
              << '\n';
    if (row == 0) return {};
    if (row < 1 || row > static_cast<long long>(candidates.size())) return "no game " + std::to_string(row) + " in the list";
    d.startNegotiation(static_cast<int>(row - 1));
    for (const std::string& line : d.dealLines()) s.out << line << '\n';
    s.out << d.answer() << '\n';
    if (!d.interested()) return {};
    if (price >= 0) d.setPrice(static_cast<i32>(std::min<long long>(price, 2000000000)));
    if (royalty >= 0) d.setRoyalty(static_cast<i32>(std::min<long long>(royalty, 100)));
    if (weeks >= 0) d.setWeeks(static_cast<i32>(std::min<long long>(weeks, 1000)));
    const bool ok = d.suggest();
    s.out << "Will pay you: " << d.price() << ", " << d.royaltyText() << ", " << d.weeks() << " Weeks support\n"
          << d.answer() << '\n';
    if (!make || !ok) return {};
    const i32 agreedPrice = d.price();
    const i32 agreedRoyalty = d.royalty();
    int ti = 0;
    if (const ActionResult refused = d.makeDeal(s.player, &ti)) {
        printRefusal(s, "sell-engine", *refused);
        return {};
    }
    s.out << "created: task " << ti << " \"" << g.tables().tasks[ti].name.str() << "\", price " << agreedPrice
          << ", royalty " << agreedRoyalty << "%\n";
    return {};
}

}  // namespace

void registerEngineCommands(CommandTable& t) {
    t.add({"engine-functions", "engine-functions",
           "the engine functions the era offers, as the \"New Engine\" page lists and ticks them", cmdEngineFunctions,
           kNeedsGame});
    t.add({"new-engine",
           "new-engine [name=\"..\"] platform=P genre=G manager=N [freelancers=N] [functions=s1,t2,a1|none] "
           "[options=optimizing,programming,ai,testing]",
           "fill the \"New Engine\" page and press \"Start development\"", cmdNewEngine, kNeedsGame});
    t.add({"upgrade-engine", "upgrade-engine N code|genre|update",
           "\"Upgrade Engine\", \"Upgrade Genre\" or \"Update Engine\" for engine N of the engines list",
           cmdUpgradeEngine, kNeedsGame});
    t.add({"engine-release-chart", "engine-release-chart P G",
           "the New Engine page's release chart for platform P and genre G: the weeks with titles and the line",
           cmdEngineChart, kNeedsGame});
    t.add({"sell-engine", "sell-engine N [game=ROW [price=P] [royalty=R] [weeks=W] [make=yes]]",
           "\"Try to Sell Engine\" for engine N: the offers, support tasks and licensed games; with game= the "
           "negotiation, the suggested terms and with make=yes the deal (its dialogs take queued answers); the "
           "list stays for further talks this week, then the developers want 4 weeks before the next try",
           cmdSellEngine, kNeedsGame});
    t.add({"engine-chart", "engine-chart N",
           "the release chart of the next 156 weeks for engine N's platform and genre, with its reference line",
           cmdEngineChartOf, kNeedsGame});
    t.add({"view-engines", "view-engines P",
           "the \"View Engines\" grid for platform P: every genre's best competitor engine and the player's",
           cmdViewEngines, kNeedsGame});
}

}  // namespace cw::cli
