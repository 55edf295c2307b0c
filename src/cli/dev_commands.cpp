// Game project commands of the headless driver: the genre list and the
// player's engines, the "Game Development" screen filled from options with
// its "Start development", and the "Project properties" screen.
#include <algorithm>
#include <cctype>

#include "cli/commands.h"
#include "cli/driver.h"
#include "dev/game_project.h"
#include "dev/project_screen.h"
#include "engines/engine_project.h"
#include "market/competitors.h"

namespace cw::cli {
namespace {

std::string lower(std::string t) {
    std::transform(t.begin(), t.end(), t.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return t;
}

std::vector<std::string> splitList(const std::string& text, char sep) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (true) {
        const auto end = text.find(sep, start);
        out.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return out;
}

// Three whole numbers "a,b,c".
std::string parseTriple(const std::string& key, const std::string& text, std::array<i32, 3>& v) {
    const auto parts = splitList(text, ',');
    if (parts.size() != 3) return key + " takes three numbers a,b,c";
    for (std::size_t i = 0; i < 3; ++i) {
        long long n = 0;
        if (!parseInt(parts[i], n) || n < 0 || n > 1000) return key + ": \"" + parts[i] + "\" is not a number";
        v[i] = static_cast<i32>(n);
    }
    return {};
}

std::string platformName(const Game& g, int p) {
    return decltype(SaveImage::platforms)::inRange(p) ? g.tables().platforms[p].name.str() : std::string();
}

std::string genreName(const Game& g, int i) {
    return decltype(SaveImage::genres)::inRange(i) ? g.tables().genres[i].name.str() : std::string();
}

std::string cmdGenres(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    DevelopmentScreen screen(*s.game);
    s.out << "genres: " << screen.genres().size() - 1 << '\n';
    s.out << "  genre | name | interest | trend\n";
    for (const auto& item : screen.genres()) {
        if (item.genre <= 0) continue;
        const GenreMarketColumns market = genreMarketColumns(*s.game, item.genre);
        s.out << "  " << item.genre << " | " << item.text << " | " << market.interest << " | " << market.trend << '\n';
    }
    return {};
}

std::string cmdEngines(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    const World& w = s.game->world();
    const auto cells = ownEngineCells(*s.game);
    s.out << "engines: " << cells.size() << '\n';
    if (!cells.empty()) s.out << "  N | platform | genre | name | rating | best competitor\n";
    int row = 0;
    for (const auto& [p, g] : cells) {
        const EngineSlot& e = w.ownEngines[p][g];
        s.out << "  " << ++row << " | " << p << ' ' << platformName(*s.game, p) << " | " << g << ' '
              << genreName(*s.game, g) << " | " << e.name.str() << " | " << e.rating << " | "
              << competitorEngineText(*s.game, p, g) << '\n';
    }
    // The market's best engine of every pair, to see where an engine of one's own would compete.
    std::vector<std::string> market;
    for (int p = 1; p <= 150; ++p)
        for (int g = 1; g <= 150; ++g)
            if (w.marketEngines[p][g].rating > 0)
                market.push_back("  " + std::to_string(p) + ' ' + platformName(*s.game, p) + " | " +
                                 std::to_string(g) + ' ' + genreName(*s.game, g) + " | " +
                                 competitorEngineText(*s.game, p, g));
    s.out << "best competitor engines: " << market.size() << '\n';
    for (const auto& l : market) s.out << l << '\n';
    return {};
}

// A genre by its table index or its name as the list shows it; the row in
// the screen's list, or -1.
int genreRow(const DevelopmentScreen& screen, const std::string& text) {
    long long n = 0;
    const bool number = parseInt(text, n);
    const auto& items = screen.genres();
    for (std::size_t r = 1; r < items.size(); ++r)
        if ((number && items[r].genre == n) || (!number && lower(items[r].text) == lower(text)))
            return static_cast<int>(r);
    return -1;
}

int platformLine(const Game& g, const DevelopmentScreen& screen, const std::string& text) {
    long long n = 0;
    const bool number = parseInt(text, n);
    const auto& lines = screen.platformLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].platform <= 0) continue;
        if ((number && lines[i].platform == n) ||
            (!number && lower(platformName(g, lines[i].platform)) == lower(text)))
            return static_cast<int>(i);
    }
    return -1;
}

std::string cmdDevelop(Session& s, const Command& cmd) {
    Game& g = *s.game;
    DevelopmentScreen screen(g);
    std::optional<std::string> name, genre, platforms, leader, freelancers, extras, music, focus, research, sequel;
    for (const Arg& a : cmd.args) {
        std::optional<std::string>* slot = nullptr;
        if (a.key == "name") slot = &name;
        else if (a.key == "genre") slot = &genre;
        else if (a.key == "platforms") slot = &platforms;
        else if (a.key == "leader") slot = &leader;
        else if (a.key == "freelancers") slot = &freelancers;
        else if (a.key == "extras") slot = &extras;
        else if (a.key == "music") slot = &music;
        else if (a.key == "focus") slot = &focus;
        else if (a.key == "research") slot = &research;
        else if (a.key == "sequel") slot = &sequel;
        else if (a.key.empty()) return "unexpected \"" + a.value + "\"; options are key=value";
        else return "unknown option " + a.key;
        *slot = a.value;
    }
    // The fields in the order a player fills them: the sequel first, since
    // choosing one asks for the genre again.
    screen.setName(name.value_or(""));
    if (sequel) {
        const auto parts = splitList(*sequel, ':');
        long long y = 0, slot = 0;
        if (parts.size() != 2 || !parseInt(parts[0], y) || !parseInt(parts[1], slot))
            return "sequel must be YEAR:SLOT";
        if (!screen.chooseSequel(static_cast<i32>(y), static_cast<i32>(slot)))
            return "no sequel can be made of " + *sequel + " (a released game of yours without one)";
        s.out << "sequel of: " << g.tables().gameTitles[static_cast<int>(y)][static_cast<int>(slot)].title.str()
              << '\n';
    }
    if (genre) {
        const int row = genreRow(screen, *genre);
        if (row < 0) return "genre \"" + *genre + "\" is not offered this year (see genres)";
        screen.chooseGenre(row);
    }
    if (platforms) {
        if (!screen.platformListEnabled()) return "the platform list is disabled (choose a genre with platforms)";
        for (std::size_t i = 0; i < screen.platformLines().size(); ++i) screen.checkPlatform(static_cast<int>(i), false);
        for (const std::string& p : splitList(*platforms, ',')) {
            const int line = platformLine(g, screen, p);
            if (line < 0) return "platform \"" + p + "\" is not in the list for this genre";
            if (!screen.checkPlatform(line, true)) return "Max choose 3 platforms.";
        }
    }
    if (leader) {
        long long n = 0;
        if (!parseInt(*leader, n)) return "leader must be a person number";
        if (const ActionResult refused = screen.setLeader(static_cast<int>(n)))
            s.out << "[refused] " << refused->caption << " | " << oneLine(refused->text) << '\n';
    }
    if (freelancers) {
        long long n = 0;
        if (!parseInt(*freelancers, n) || n < 0) return "freelancers must be a whole number";
        if (!screen.freelancersEnabled())
            s.out << "freelancers: the field is disabled without a team leader\n";
        else
            screen.setFreelancers(static_cast<int>(n));
    }
    if (extras) {
        static const std::pair<const char*, Extra> kNames[] = {
            {"editor", Extra::GameEditor}, {"mod", Extra::ModEditor},     {"multiplayer", Extra::Multiplayer},
            {"network", Extra::Network},   {"mmo", Extra::Mmo},           {"celebrity", Extra::Celebrity},
            {"voice", Extra::Voice},       {"cutscene", Extra::Cutscene}};
        for (const std::string& e : splitList(*extras, ',')) {
            const auto it = std::find_if(std::begin(kNames), std::end(kNames),
                                         [&](const auto& k) { return lower(e) == k.first; });
            if (it == std::end(kNames))
                return "extras are editor,mod,multiplayer,network,mmo,celebrity,voice,cutscene";
            const bool paid = it->second == Extra::Celebrity || it->second == Extra::Voice || it->second == Extra::Cutscene;
            if (paid && !screen.paidExtrasShown())
                s.out << "extras: " << e << " is not offered for a sequel\n";
            else
                screen.setExtra(it->second, true);
        }
    }
    if (music) {
        long long n = 0;
        if (!parseInt(*music, n) || n < 0 || n > 4) return "music must be 0..4";
        while (screen.music() != n) screen.cycleMusic();
    }
    if (focus) {
        std::array<i32, 3> v{};
        if (auto e = parseTriple("focus", *focus, v); !e.empty()) return e;
        if (!screen.setFocus(v)) return "focus must be three values 1..98 that sum to 100";
    }
    if (research) {
        std::array<i32, 3> v{};
        if (auto e = parseTriple("research", *research, v); !e.empty()) return e;
        for (i32 x : v)
            if (x < 25 || x > 100) return "research values must be 25..100";
        for (int i = 0; i < 3; ++i) screen.moveResearch(i, v[static_cast<std::size_t>(i)]);
    }

    s.out << "Game Development: " << (screen.name().empty() ? std::string("(no name)") : screen.name()) << ", genre "
          << (screen.genre() > 0 ? genreName(g, screen.genre()) : std::string("(none)")) << ", leader "
          << screen.leaderText() << ", freelancers " << screen.freelancers() << " ("
          << screen.freelancerCostText() << ")\n";
    if (!screen.engineNote().empty()) s.out << "note: " << screen.engineNote() << '\n';
    std::string checked;
    for (const auto& l : screen.platformLines())
        if (l.checked) checked += (checked.empty() ? "" : ", ") + l.text;
    s.out << "platforms: " << (checked.empty() ? std::string("(none)") : checked) << '\n';
    s.out << "extras score " << extrasScoreOf({screen.extra(Extra::GameEditor), screen.extra(Extra::ModEditor),
                                               screen.extra(Extra::Multiplayer), screen.extra(Extra::Network),
                                               screen.extra(Extra::Mmo), false, false, false})
          << ", " << musicCaption(screen.music()) << ", focus " << screen.focus()[0] << ',' << screen.focus()[1]
          << ',' << screen.focus()[2] << ", research " << screen.research()[0] << ',' << screen.research()[1] << ','
          << screen.research()[2] << '\n';
    for (const std::string& line : screen.estimateLines()) s.out << line << '\n';

    if (!screen.startEnabled()) {
        s.out << "develop: \"Start development\" is disabled: " << screen.startDisabledReason() << '\n';
        return {};
    }
    if (const ActionResult refused = screen.startDevelopment(s.player)) {
        s.out << "develop: refused: " << refused->caption << '\n';
        return {};
    }
    const int ti = screen.createdTask();
    const Task& t = g.tables().tasks[ti];
    s.out << "created: task " << ti << " \"" << t.name.str() << "\", work " << t.workTotal << ", left "
          << t.game.workLeftProgramming << '/' << t.game.workLeftDesign << '/' << t.game.workLeftGraphics
          << ", platforms " << t.platformList.str() << ", score " << int(t.game.salesScore) << ", money "
          << g.world().money << '\n';
    return {};
}

std::string cmdProject(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (pos.size() != 1) return "takes a task number";
    long long n = 0;
    if (auto e = needInt(cmd, 0, 1, 500, n); !e.empty()) return e;
    ProjectScreen screen(*s.game, static_cast<int>(n));
    if (!screen.valid()) {
        s.out << "project " << n << ": not a game in development\n";
        return {};
    }
    for (const Arg& a : cmd.args) {
        if (a.key.empty()) continue;
        std::array<i32, 3> v{};
        if (a.key == "shares" || a.key == "focus") {
            if (auto e = parseTriple(a.key, a.value, v); !e.empty()) return e;
            const bool ok = a.key == "shares" ? screen.setShares(v) : screen.setFocus(v);
            if (!ok) return a.key + " must be three values 1..98 that sum to 100";
        } else if (a.key == "research") {
            if (auto e = parseTriple(a.key, a.value, v); !e.empty()) return e;
            if (const ActionResult refused = screen.setResearch(v))
                s.out << "[refused] " << refused->caption << " | " << refused->text << '\n';
        } else {
            return "unknown option " + a.key;
        }
    }
    for (const std::string& line : screen.describe()) s.out << line << '\n';
    return {};
}

}  // namespace

void registerDevCommands(CommandTable& t) {
    t.add({"genres", "genres", "the genres the \"Game Development\" screen offers this year", cmdGenres});
    t.add({"engines", "engines", "the player's engines (numbered for upgrade-engine) and the best competitor engine of every pair", cmdEngines});
    t.add({"develop",
           "develop name=\"..\" genre=G platforms=P1,P2 leader=N [freelancers=N] "
           "[extras=editor,mod,multiplayer,network,mmo,celebrity,voice,cutscene] [music=0..4] [focus=G,C,R] "
           "[research=P,D,G] [sequel=YEAR:SLOT]",
           "fill the \"Game Development\" screen and press \"Start development\"", cmdDevelop});
    t.add({"project", "project N [shares=P,D,G] [focus=G,C,R] [research=P,D,G]",
           "the \"Project properties\" screen of game task N; move its sliders", cmdProject});
}

}  // namespace cw::cli
