#include "market/publishers.h"

#include <algorithm>
#include <unordered_set>
#include <utility>
#include <vector>

#include "state/tasks.h"

namespace cw {
namespace {

constexpr const char* kCrLf = "\r\n";
// The game task whose list is on the screen; the week opens one at a time.
int g_openTask = 0;

// Company list rows, marked in a table for the list's own row numbers; any
// other number a damaged catalogue may hold goes into a set. The marks
// replace a hashed set that every one of tens of thousands of titles was
// inserted into.
class TitleRows {
public:
    void add(i32 row) {
        if (row >= 0 && row < kMarked)
            marked_[static_cast<std::size_t>(row)] = true;
        else
            others_.insert(row);
    }
    bool contains(i32 row) const {
        return row >= 0 && row < kMarked ? marked_[static_cast<std::size_t>(row)] : others_.contains(row);
    }

private:
    static constexpr i32 kMarked = 4096;
    std::vector<bool> marked_ = std::vector<bool>(kMarked, false);
    std::unordered_set<i32> others_;
};

// Adds the company list rows that have a title in the years fromYear..toYear.
void addRowsWithTitles(const Game& g, int fromYear, int toYear, TitleRows& rows) {
    const auto& image = g.tables();
    for (int y = std::max(fromYear, 1977); y <= std::min(toYear, 2015); ++y) {
        const int n = std::min(image.titlesPerYear[y], 3500);
        for (int k = 1; k <= n; ++k)
            if (!image.gameTitles[y][k].title.blank()) rows.add(image.gameTitles[y][k].companyRow);
    }
}

}  // namespace

int PublisherSize(const Game& g, int i) {
    const Company& c = g.tables().companies[i];
    if (c.money <= 500000) return 5;
    return std::clamp(5 + c.money / 500000, 5, 25);
}

int AdvertisingLevel(const Game& g, int i) {
    int level = PublisherSize(g, i);
    if (i > 5) ++level;
    if (i > 15) ++level;
    if (i > 25) --level;
    if (i > 75) ++level;
    if (i > 125) ++level;
    if (i > 200) --level;
    if (i % 2 == 0) ++level;
    if (i % 3 == 0) ++level;
    if (i % 5 == 0) --level;
    if (i % 8 == 0) ++level;
    return level;
}

std::string AdvertisingWord(int level) {
    if (level < 12) return "Low";
    if (level <= 16) return "fair";
    if (level <= 21) return "high";
    return "Superb";
}

int PublisherOutput(const Game& g, int i) {
    int s = 0;
    if (i > 50) ++s;
    if (i > 100) ++s;
    if (i > 200) --s;
    if (i > 250) ++s;
    if (i > 300) ++s;
    if (i > 400) --s;
    if (i % 2 == 0) ++s;
    if (i % 3 == 0) --s;
    if (i % 4 == 0) ++s;
    if (i % 5 == 0) ++s;
    return (PublisherSize(g, i) + s) / 2 * 2000;
}

int PublisherShare(const Game& g, int i) {
    const World& w = g.world();
    int b = PublisherSize(g, i);
    if (b > 16) {
        if (w.gamesImage >= 70)
            b = b - w.gamesImage / 10;
        else if (w.publisherNegotiationDept > 0)
            b = b - w.gamesImage / 8;
    }
    return std::max(b, 5) + w.gameLevel;
}

std::vector<PublisherOffer> publisherOffers(const Game& g) {
    std::vector<PublisherOffer> out;
    const auto& companies = g.tables().companies;
    const int year = g.currentYear;
    // The list rows with a title in the two year ranges (the coming years
    // and the years before), from one walk of the catalogue: counting every
    // company's titles by itself walked the whole catalogue once per company.
    TitleRows withTitles;
    addRowsWithTitles(g, year, year + 3, withTitles);
    addRowsWithTitles(g, 1978, year - 1, withTitles);
    for (int i = 1; i <= 500; ++i) {
        const Company& c = companies[i];
        if (c.name.blank() || c.firstYear > year) continue;
        if (withTitles.contains(c.listRow))
            out.push_back({c.name.str(), PublisherShare(g, i), PublisherOutput(g, i),
                           AdvertisingWord(AdvertisingLevel(g, i)), i});
    }
    return out;
}

std::string publisherDealText(const PublisherOffer& o, bool withAdvertising) {
    const int share = withAdvertising ? o.share : o.share / 2;
    std::string text = "Publisher : " + o.name + kCrLf + "They want : " + std::to_string(share) + " % of the sales" +
                       kCrLf + "Weekly max Output : " + std::to_string(o.output) + " copys" + kCrLf +
                       "Advertising Amount : " + (withAdvertising ? o.advertisingWord : std::string("None")) + kCrLf +
                       "Do you want do make a deal with this publiher ?";
    if (withAdvertising) text += std::string(kCrLf) + "Note : press no if you want an offer without advertising";
    return text;
}

bool signPublisherDeal(Game& g, Player& p, int task, const PublisherOffer& o, bool withAdvertising) {
    auto& tasks = g.tables().tasks;
    if (!tasks.inRange(task) || tasks[task].taskType != kTaskGame) return false;
    GameTitle& game = tasks[task].game;
    if (game.companyRow != 0) {
        p.notify("You have a publisher deal", "You already have a publisher deal for this game", 2000);
        return false;
    }
    applyPublisherTerms(g, game, o, withAdvertising, withAdvertising ? g.rng.randomInt(5) : 0);
    return true;
}

void applyPublisherTerms(const Game& g, GameTitle& game, const PublisherOffer& o, bool withAdvertising, int draw) {
    game.companyRow = o.id;
    game.weeklyOutput = o.output;
    if (withAdvertising) {
        // The share is the one shown; a byte field cannot hold more anyway.
        game.publisherShare = static_cast<u8>(std::clamp(o.share, 0, 255));
        game.advertising = AdvertisingLevel(g, o.id);
        game.hype += draw - 5 + 3 * game.advertising;
    } else {
        game.publisherShare = static_cast<u8>(std::clamp(o.share / 2, 0, 255));
        game.advertising = 1;
        game.hype += 1;
    }
}

bool defaultPublisherOffer(const Game& g, PublisherOffer& out) {
    const std::vector<PublisherOffer> offers = publisherOffers(g);
    if (offers.empty()) return false;
    out = offers.front();
    return true;
}

void OfferDeal(Game& g, Player& p, int task, int row) {
    const std::vector<PublisherOffer> offers = publisherOffers(g);
    if (row < 0 || row >= static_cast<int>(offers.size())) return;
    const PublisherOffer& o = offers[static_cast<std::size_t>(row)];
    auto& tasks = g.tables().tasks;
    if (!tasks.inRange(task)) return;
    if (tasks[task].game.companyRow != 0) {
        signPublisherDeal(g, p, task, o, true);  // refuses with its notification
        return;
    }
    if (p.askDialog("Publisher Deal", publisherDealText(o, true), true, true)) {
        signPublisherDeal(g, p, task, o, true);
        return;
    }
    if (p.askDialog("Publisher Deal", publisherDealText(o, false), true, true)) signPublisherDeal(g, p, task, o, false);
}

int openPublisherTask() { return g_openTask; }

int ShowPublisherOffers(Game& g, Player& p, int task) {
    const int count = static_cast<int>(publisherOffers(g).size());
    const int previous = std::exchange(g_openTask, task);
    p.showModal(ScreenId::PublisherChoice);
    g_openTask = previous;
    return count;
}

bool signDefaultPublisher(Game& g, Player& p, int task) {
    PublisherOffer offer;
    if (!defaultPublisherOffer(g, offer)) return false;
    return signPublisherDeal(g, p, task, offer, true);
}

}  // namespace cw
