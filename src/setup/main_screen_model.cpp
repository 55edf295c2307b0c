#include "setup/main_screen_model.h"

#include <algorithm>
#include <set>
#include <utility>

#include "dev/release.h"
#include "events/economy.h"
#include "sim/platform_market.h"
#include "state/calendar.h"
#include "state/inbox.h"
#include "state/shared_ops.h"

namespace cw {
namespace {

std::string yearChangeCaption(int year) { return "Since 1 Jan " + std::to_string(year); }

}  // namespace

std::string cashText(long long money) { return "$ " + thousands(money); }

std::string changeText(long long change) { return change > 0 ? "+" + thousands(change) : thousands(change); }

std::string playTimeText(long long seconds) {
    if (seconds < 0) seconds = 0;
    const long long h = seconds / 3600;
    const long long m = seconds / 60 % 60;
    const long long s = seconds % 60;
    const auto two = [](long long v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    return std::to_string(h) + ":" + two(m) + ":" + two(s);
}

std::string christmasBannerText(int week) {
    if (week < 38 || week > 47) return {};
    return "Christmas sales\r\n" + std::to_string(48 - week) + " weeks left";
}

NoticeKind noticeKind(std::string_view title) {
    static constexpr std::string_view kReports[] = {"Saving Game", "Game saved", "New employee hired", "Unread Mail"};
    for (std::string_view report : kReports)
        if (title == report) return NoticeKind::Information;
    return NoticeKind::Warning;
}

std::string progressMoneyText(const Game& g) { return "Money balance: " + cashText(g.world().money); }

std::vector<ProgressPlatformRow> progressPlatformRows(const Game& g) {
    std::vector<ProgressPlatformRow> rows;
    for (const Platform& pf : g.tables().platforms) {
        if (!pf.released) continue;
        rows.push_back({pf.name.str(), std::to_string(pf.marketShare), thousands(pf.cpuSpec), cashText(pf.price)});
    }
    return rows;
}

std::vector<std::string> progressNewsLines(const Game& g, int category) {
    std::vector<std::string> lines;
    if (!decltype(World::newsItems)::inRange(category)) return lines;
    for (const NewsItem& item : g.world().newsItems[category]) {
        if (item.title.empty()) continue;
        const std::string text = item.text.str();
        const std::string firstLine = text.substr(0, text.find_first_of("\r\n"));
        lines.push_back(item.title.str().substr(0, 12) + "..." + "," + firstLine);
    }
    return lines;
}

bool ProgressAnimation::advance() {
    ++step;
    if (step % 40 != 0) return false;
    newsCategory = newsCategory % 3 + 1;
    return true;
}

namespace {
// Engines are told apart by their platform and genre.
std::string engineRowText(const Game& g, const EngineSlot& e, int platform, int genre) {
    std::string where;
    if (g.tables().platforms.inRange(platform)) where = g.tables().platforms[platform].name.str();
    if (g.tables().genres.inRange(genre) && !g.tables().genres[genre].name.empty())
        where += (where.empty() ? "" : ", ") + g.tables().genres[genre].name.str();
    return e.name.str() + (where.empty() ? "" : " - " + where) + "  (score " + std::to_string(e.rating) + "/150)";
}
}  // namespace

MainScreenModel buildMainScreenModel(const Game& g) {
    const World& w = g.world();
    const Session& s = g.session;
    MainScreenModel m;

    m.weekText = "Week " + std::to_string(g.currentWeek);
    m.dateText = progressDateText(g.currentYear, g.currentWeek);
    m.companyName = w.companyName.str();
    m.playerName = w.playerName.str();
    m.cashText = cashText(w.money);
    m.cashTone = toneOf(w.money);

    m.finance[0] = {"This week", changeText(s.weekCashChange), toneOf(s.weekCashChange)};
    m.finance[1] = {"This month", changeText(s.monthCashShown), toneOf(s.monthCashShown)};
    const i32 sinceNewYear = yearCashChange(g);
    m.finance[2] = {yearChangeCaption(g.currentYear), changeText(sinceNewYear), toneOf(sinceNewYear)};

    m.inboxText = inboxLabel(g);
    m.inboxBlinking = g.inbox.newMailFlag;

    m.cheatCaption = "Used Cheat codes";
    m.cheatText = std::to_string(s.cheatCount) + "/3 times";

    m.sessionPlayText = playTimeText(s.sessionPlaySeconds);
    m.totalPlayText = playTimeText(static_cast<long long>(s.sessionPlaySeconds) + s.storedPlaySeconds);

    std::set<std::pair<int, int>> listed;  // the engines with a product entry
    const auto& tasks = g.tables().tasks;
    for (int i = 1; i <= decltype(g.tables().tasks)::last; ++i) {
        const Task& t = tasks[i];
        if (t.name.blank()) continue;
        m.tasks.push_back({i, t.name.str(), taskTypeText(t.taskType), taskPercent(t)});
    }

    // The company's own games with their score and state, so a finished game
    // says what it waits for, and its engines as soon as they exist.
    for (int i = w.products.first; i <= w.products.last; ++i) {
        const ProductEntry& p = w.products[i];
        if (productFree(p)) continue;
        if (p.kind == ProductGame) {
            if (const GameTitle* title = productTitle(g, i); title && !title->title.blank())
                m.games.push_back({i, title->title.str() + "  (score " + std::to_string(title->reviewScore) + ") - " +
                                          productStateText(g, i)});
        } else if (p.kind == ProductEngine && w.ownEngines.inRange(p.refA) && w.ownEngines[p.refA].inRange(p.refB)) {
            const EngineSlot& e = w.ownEngines[p.refA][p.refB];
            if (e.name.empty()) continue;
            m.engines.push_back({i, engineRowText(g, e, p.refA, p.refB)});
            listed.insert({p.refA, p.refB});
        }
    }
    // An engine bought with a game has no product entry, yet the company
    // holds it and the game's card names it: it is listed after the
    // developed ones, with nothing to open.
    for (int platform = w.ownEngines.first; platform <= w.ownEngines.last; ++platform)
        for (int genre = w.ownEngines[platform].first; genre <= w.ownEngines[platform].last; ++genre) {
            const EngineSlot& e = w.ownEngines[platform][genre];
            if (e.name.empty() || listed.contains({platform, genre})) continue;
            m.engines.push_back({0, engineRowText(g, e, platform, genre) + " - bought"});
        }

    for (int c = 1; c <= 3; ++c) {
        for (const NewsItem& item : w.newsItems[c]) {
            if (item.title.empty()) continue;
            m.news[static_cast<std::size_t>(c - 1)].push_back(
                {item.title.str(), item.text.str() + "\r\n" + " - " + item.dateText.str()});
        }
    }

    m.consumerLabel = s.consumerLabel.empty() ? consumerLabelText(w.hardwareConsumers) : s.consumerLabel;
    m.topPlatforms = s.topPlatforms;
    for (int r = 1; r <= 3; ++r) {
        // The demand keeps its word between two updates, so the word is
        // that of the stored demand.
        const int level = std::min<int>(w.economyLevel[r], 10);
        m.economy[static_cast<std::size_t>(r - 1)] = {regionText(r), regionDemandWord(w.regionDemand[r]),
                                                      economyNeedleAngle(level), level};
    }
    return m;
}

}  // namespace cw
