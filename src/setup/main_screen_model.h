// What the main screen shows, computed from the game state alone. The Qt
// screen only lays these texts out; nothing here changes the game.
#pragma once

#include "state/text_format.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "sim/game_clock.h"
#include "state/game.h"

namespace cw {

struct FinanceLabel {
    std::string caption;  // what the figure measures
    std::string text;     // the figure itself, signed, with thousands separators
    Tone tone = Tone::Neutral;
};

struct TaskRow {
    int index = 0;  // Tasks slot 1..500
    std::string name;
    std::string typeText;  // taskTypeText
    int percent = 0;       // 0..100
};

struct ProductRow {
    int slot = 0;  // products slot 1..3500
    std::string name;
};

struct NewsLine {
    std::string title;
    std::string body;  // text + "\r\n" + " - " + date text
};

// One region's economy dial: its needle and the word for its demand.
struct RegionEconomyDial {
    std::string region;      // "USA", "Europe", "Asia"
    std::string demandWord;  // "Very good" .. "Very Bad"
    int needleAngle = 0;     // degrees: 122 at level 0, 42 at level 10
    int level = 0;           // 0..10
};

struct MainScreenModel {
    std::string weekText;  // "Week 5"
    std::string dateText;  // "27. January, 1980"
    std::string companyName;
    std::string playerName;
    std::string cashText;  // "$ 4,000,000"
    Tone cashTone = Tone::Neutral;
    std::array<FinanceLabel, 3> finance;
    std::string inboxText;  // "Inbox (2)"
    bool inboxBlinking = false;
    std::string cheatCaption;  // "Used Cheat codes"
    std::string cheatText;     // "1/3 times"
    std::string sessionPlayText;
    std::string totalPlayText;
    std::vector<TaskRow> tasks;
    std::vector<ProductRow> games, engines, platforms;
    // News categories 1 financial, 2 software, 3 hardware at [0..2], in slot
    // order: the older items above the newer ones.
    std::array<std::vector<NewsLine>, 3> news;
    // The hardware market: consumers ("12%"), the five best-ranked platforms
    // with their arrows, and the three regions' economy.
    std::string consumerLabel;
    PlatformTopFive topPlatforms;
    std::array<RegionEconomyDial, 3> economy;
};

MainScreenModel buildMainScreenModel(const Game& g);

// The progress window's own texts.
// "Money balance: " + the cash as the main screen shows it ("$ 1,234,567").
std::string progressMoneyText(const Game& g);
// One released platform as the progress window's table shows it, in the
// order of the week's platform lines: name, market share, CPU, price.
struct ProgressPlatformRow {
    std::string name;
    std::string share;  // "45"
    std::string cpu;    // "1,200"
    std::string price;  // "$ 199"
};
std::vector<ProgressPlatformRow> progressPlatformRows(const Game& g);
// The news list shown during a fast forward: one line per item of the
// category, the title cut to 12 characters with "..." after it, then ","
// and the first line of the text.
std::vector<std::string> progressNewsLines(const Game& g, int category);

// The progress window's 200 ms animation: every 40th step the news list
// moves on to the next category, 1, 2, 3, 1, ...
struct ProgressAnimation {
    int step = 0;
    int newsCategory = 1;
    // Advances one step; true when the news category changed.
    bool advance();
};

// "$ 1,234,567"
std::string cashText(long long money);
// A change of cash: "+1,500", "-250", "0".
std::string changeText(long long change);
// Seconds of play as "h:mm:ss".
std::string playTimeText(long long seconds);
// The banner over the main screen in the weeks before Christmas; empty
// outside weeks 38..47.
std::string christmasBannerText(int week);
// How a timed notification reads: reports and good news ("Game saved",
// "New employee hired") carry the information icon, refusals and warnings
// the warning icon.
enum class NoticeKind { Information, Warning };
NoticeKind noticeKind(std::string_view title);

// Work done on a task in percent, 0..100.
int taskPercent(const Task& task);

}  // namespace cw
