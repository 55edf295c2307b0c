#include "state/shared_ops.h"

#include "state/calendar.h"
#include "state/log.h"
#include "state/tasks.h"

namespace cw {

std::string taskTypeText(int taskType) {
    switch (taskType) {
        case 0: return "Software";
        case 1: return "Hardware";
        case 2: return "Engine";
        case 3: return "WareHouse";
        case 4: return "Publisher";
        default: return "Unknown Type";
    }
}

std::string taskSubtypeText(int taskSubtype) {
    switch (taskSubtype) {
        case 0: return "New product";
        case 1: return "Study";
        case 2: return "Produce Copys";
        case 3: return "Improve & Optimize";
        default: return "Unknown SubType";
    }
}

std::string regionText(int region) {
    switch (region) {
        case 1: return "USA";
        case 2: return "Europe";
        case 3: return "Asia";
        default: return "";
    }
}

namespace {

using HistoryYears = decltype(World::companyHistory);

bool addHistory(HistoryYears& history, int year, int week, std::string_view text) {
    if (!HistoryYears::inRange(year)) return false;
    for (auto& line : history[year]) {
        if (line.len == 0) {
            line = "Week " + std::to_string(week) + ": " + std::string(text);
            return true;
        }
    }
    return false;
}

}  // namespace

bool addCompanyHistory(Game& g, int week, std::string_view text) {
    return addHistory(g.world().companyHistory, g.currentYear, week, text);
}

bool addWorldHistory(Game& g, int week, std::string_view text) {
    return addHistory(g.world().worldHistory, g.currentYear, week, text);
}

void postNews(Game& g, int category, std::string_view title, std::string_view text) {
    auto& items = g.world().newsItems;
    if (!std::remove_reference_t<decltype(items)>::inRange(category)) return;
    auto& slots = items[category];
    int target = 0;
    for (int k = 1; k <= 4; ++k) {
        if (slots[k].title.len == 0) {
            target = k;
            break;
        }
    }
    if (target == 0) {
        for (int k = 1; k <= 3; ++k) slots[k] = slots[k + 1];
        target = 4;
    }
    NewsItem& item = slots[target];
    item.title = title;
    item.text = text;
    item.dateText = newsDateText(g.currentYear, g.currentWeek);
}

int addProduct(Game& g, int taskIndex, i32 refA, i32 refB, i32 kind, bool flag) {
    if (taskIndex > 0) clearTask(g, taskIndex);
    auto& products = g.world().products;
    for (int i = 1; i <= 3500; ++i) {
        ProductEntry& p = products[i];
        if (!productFree(p)) continue;
        p.refA = refA;
        p.refB = refB;
        p.value8 = 0;
        p.kind = kind;
        p.released = flag ? 1 : 0;
        return i;
    }
    // A full list only happens in a game far beyond normal play; the product
    // is then not listed, which keeps every table consistent.
    writeLog("WARNING: product list full, product not added");
    return 0;
}

const GameTitle* productTitle(const Game& g, int k) {
    const auto& products = g.world().products;
    if (!products.inRange(k)) return nullptr;
    const ProductEntry& e = products[k];
    if (e.kind != ProductGame || e.refB < 1) return nullptr;
    const auto& image = g.tables();
    if (!image.gameTitles.inRange(e.refA) || !image.gameTitles[e.refA].inRange(e.refB)) return nullptr;
    return &image.gameTitles[e.refA][e.refB];
}

GameTitle* productTitle(Game& g, int k) {
    return const_cast<GameTitle*>(productTitle(static_cast<const Game&>(g), k));
}

}  // namespace cw
