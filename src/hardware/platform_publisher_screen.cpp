#include "hardware/platform_publisher_screen.h"

#include <algorithm>
#include <charconv>
#include <unordered_map>
#include <unordered_set>

#include "finance/buildings.h"
#include "hardware/hardware_texts.h"
#include "hardware/platform_publishers.h"
#include "state/money.h"

namespace cw {
namespace {

constexpr const char* kCrLf = "\r\n";
using Years = decltype(SaveImage::titlesPerYear);

// One range of a company's titles (its plans, or its back catalogue).
struct TitleRange {
    int count = 0;
    std::unordered_set<std::string> hitNames;
    std::string topGames;  // "Name(Good), Other(Superb)"
};

struct CompanyTitles {
    TitleRange planned;
    TitleRange released;
};

void countTitle(TitleRange& r, const GameTitle& t) {
    ++r.count;
    if (t.reviewScore <= 90) return;
    const std::string name(t.title.view());
    if (!r.hitNames.insert(name).second) return;
    if (!r.topGames.empty()) r.topGames += ", ";
    r.topGames += t.title.str() + "(" + ratingWord(t.reviewScore, false) + ")";
}

// Every company's titles by its list row, in catalogue order.
std::unordered_map<i32, CompanyTitles> titlesByRow(const Game& g) {
    const SaveImage& t = g.tables();
    std::unordered_map<i32, CompanyTitles> rows;
    const int last = std::min(g.currentYear + 3, Years::last);
    for (int y = std::max(1978, Years::first); y <= last; ++y) {
        const bool planned = y >= g.currentYear;
        const int n = std::clamp<i32>(t.titlesPerYear[y], 0, 3500);
        for (int i = 1; i <= n; ++i) {
            const GameTitle& x = t.gameTitles[y][i];
            if (x.title.blank()) continue;
            CompanyTitles& c = rows[x.companyRow];
            countTitle(planned ? c.planned : c.released, x);
        }
    }
    return rows;
}

// A whole number as a field holds it; false for anything else.
bool fieldNumber(const std::string& text, i32& value) {
    std::size_t b = text.find_first_not_of(' ');
    std::size_t e = text.find_last_not_of(' ');
    if (b == std::string::npos) return false;
    const char* first = text.data() + b;
    const char* last = text.data() + e + 1;
    if (*first == '+') ++first;
    const auto r = std::from_chars(first, last, value);
    return r.ec == std::errc() && r.ptr == last;
}

}  // namespace

PlatformPublisherScreen::PlatformPublisherScreen(Game& g, int task) : g_(g), task_(task) { build(); }

bool PlatformPublisherScreen::valid() const { return isNewPlatformTask(g_, task_); }

std::string PlatformPublisherScreen::platformName() const {
    return valid() ? g_.tables().tasks[task_].platform.name.str() : std::string();
}

const std::vector<std::string>& PlatformPublisherScreen::columns() {
    static const std::vector<std::string> kColumns = {"Publisher", "Planned Games", "Released", "Id", "HG"};
    return kColumns;
}

void PlatformPublisherScreen::build() {
    rows_.clear();
    const SaveImage& t = g_.tables();
    const auto titles = titlesByRow(g_);
    for (int i = 1; i <= decltype(SaveImage::companies)::last; ++i) {
        const Company& c = t.companies[i];
        if (c.name.blank() || c.firstYear > g_.currentYear) continue;
        const auto found = titles.find(c.listRow);
        if (found == titles.end()) continue;
        const CompanyTitles& ct = found->second;
        if (ct.planned.count <= 0 && ct.released.count <= 0) continue;
        rows_.push_back({c.name.str(), ct.planned.count, ct.released.count, i,
                         static_cast<int>(ct.planned.hitNames.size() + ct.released.hitNames.size())});
    }
}

void PlatformPublisherScreen::sortBy(int column) {
    if (column < 0 || column >= static_cast<int>(columns().size())) return;
    sortDescending_ = sortColumn_ == column ? !sortDescending_ : false;
    sortColumn_ = column;
    auto key = [column](const PlatformPublisherRow& r) {
        switch (column) {
            case 1: return r.planned;
            case 2: return r.released;
            case 3: return r.id;
            default: return r.hitGames;
        }
    };
    const bool down = sortDescending_;
    std::stable_sort(rows_.begin(), rows_.end(), [&](const PlatformPublisherRow& a, const PlatformPublisherRow& b) {
        if (column == 0) return down ? b.name < a.name : a.name < b.name;
        return down ? key(b) < key(a) : key(a) < key(b);
    });
}

int PlatformPublisherScreen::rowOf(int id) const {
    for (std::size_t r = 0; r < rows_.size(); ++r)
        if (rows_[r].id == id) return static_cast<int>(r);
    return -1;
}

std::vector<std::string> PlatformPublisherScreen::dealLines() const {
    std::vector<std::string> out;
    if (!valid()) return out;
    const SaveImage& t = g_.tables();
    for (const DealSlot& d : t.tasks[task_].platform.deals) {
        if (d.dealCompany == 0) continue;
        const std::string name = t.companies.inRange(d.dealCompany) ? t.companies[d.dealCompany].name.str() : "";
        out.push_back((name + "(").substr(0, 41) + std::to_string(d.dealGamesLeft) + ")");
    }
    return out;
}

std::string PlatformPublisherScreen::dealCountText() const {
    return std::to_string(dealCount(g_, task_)) + "/" + std::to_string(kMaxPlatformDeals);
}

bool PlatformPublisherScreen::choose(Player& p, int row) {
    if (!valid() || row < 0 || row >= static_cast<int>(rows_.size())) return false;
    const PlatformPublisherRow& r = rows_[static_cast<std::size_t>(row)];
    negotiating_ = false;
    dealReady_ = false;
    company_ = r.id;
    hitGames_ = r.hitGames;
    mood_ = g_.rng.randomInt(3) + 7;
    maxGames_ = r.planned + r.released;
    {
        const auto titles = titlesByRow(g_);
        const auto found = titles.find(g_.tables().companies[company_].listRow);
        topGames_.clear();
        if (found != titles.end()) {
            topGames_ = found->second.planned.topGames;
            const std::string& old = found->second.released.topGames;
            if (!topGames_.empty() && !old.empty()) topGames_ += ", ";
            topGames_ += old;
        }
    }
    if (dealCount(g_, task_) >= kMaxPlatformDeals) {
        p.notify("Maximum deals already signed",
                 "You have the maximum of 3 main Publisher deals signed on this project. No more deals possible", 2000);
        return false;
    }
    if (hasDeal(g_, company_, task_)) {
        p.notify("Publisher already signed", "Publisher has already been signed on this project", 2000);
        return false;
    }
    if (!p.messageBox("Publisher Deal", "try to make a plublisher deal with this publisher", true)) return false;
    offerField = "150000";
    gamesField = "1";
    info_ = ("Publisher       : " + r.name).substr(0, 42) + kCrLf;
    info_ += "Future Releases : " + std::to_string(r.planned) + kCrLf;
    info_ += "Old Releases    : " + std::to_string(r.released) + kCrLf;
    info_ += std::string("Top games released by publisher : ") + kCrLf + topGames_ + kCrLf;
    drawPrice();
    mood_ += 1;
    moodStep();
    negotiating_ = true;
    return true;
}

void PlatformPublisherScreen::drawPrice() {
    const World& w = g_.world();
    const i32 bonus = std::min(25000, 1000 * (hitGames_ + 1) + 1000);
    pricePerGame_ = (g_.rng.randomInt(5000) + 25000) / ((w.platformsImage + 26) / 25) + bonus;
    commentColour_ = TalkColour::Normal;
    if (g_.tables().companies[company_].busyWeeks > 0) {
        comment_ = "We are a bit busy at the moment. Try contacting us in a few months.";
        offerEnabled_ = false;
        return;
    }
    offerEnabled_ = true;
    static const char* const kCool[3] = {
        "We are happy with our current platform deals and are very busy developing for these companys\r\n"
        "But what can your company offer us ?",
        "We already have some good contracts with other platform developers\r\nBut your company might have a chance",
        "Well. We are happy with our current deals, but we are always open to new suggestions\r\n"
        "What can your company offer us ?"};
    static const char* const kKeen[3] = {
        "We heard that your company are planning a new platform.", "We are interrested...\r\nWhat can your company offer us ?",
        "We are excited to get this chance.\r\nTell us of your plans and What can your company offer us ?"};
    const int pick = g_.rng.randomInt(3);
    comment_ = w.platformsImage < 51 ? kCool[pick] : kKeen[pick];
}

void PlatformPublisherScreen::moodStep() {
    if (g_.rng.randomInt(10) > 2) mood_ -= 1;
    if (mood_ > 0) return;
    g_.tables().companies[company_].busyWeeks = static_cast<u8>(g_.rng.randomInt(10) + 10);
    offerEnabled_ = false;
    dealReady_ = false;
}

std::string PlatformPublisherScreen::moodText() const {
    if (mood_ > 4) return "Publisher Mood : Great";
    if (mood_ == 4) return "Publisher Mood : Ok";
    if (mood_ == 3) return "Publisher Mood : Getting Impatient";
    if (mood_ == 2) return "Publisher Mood : Impatient";
    if (mood_ == 1) return "Publisher Mood : Very Impatient";
    return "Publisher lost interrested";
}

TalkColour PlatformPublisherScreen::moodColour() const {
    if (mood_ >= 4) return TalkColour::Green;
    if (mood_ >= 1) return TalkColour::Yellow;
    return TalkColour::Red;
}

bool PlatformPublisherScreen::suggest(Player& p) {
    if (!valid() || !offerEnabled()) return false;
    i32 games = 0;
    if (!fieldNumber(gamesField, games)) {
        p.notify("Error in number of copys field", "Keep the suggested number of copys numric", 2000);
        return false;
    }
    if (games > 100) {
        games = 100;
        p.notify("Number of games", "Setting numbers of games to 100. No posibility for a higher number", 3000);
    } else if (games <= 0) {
        games = 1;
        p.notify("Number of games", "Setting numbers of games to 1. No posibility for a lower number", 3000);
    }
    gamesField = std::to_string(games);
    gamesOffered_ = games;
    i32 offer = 0;
    if (!fieldNumber(offerField, offer)) {
        p.notify("Error in suggested offer", "Keep the suggested offer numric", 2000);
        return false;
    }
    offer_ = offer;
    if (const Affordability a = canAfford(g_, offer); !a.ok) {
        p.notify("Not enough funds", "Not enough funds.\r\nMissing : " + std::to_string(a.shortfall) + "$", 2000);
        return false;
    }
    askedPrice_ = pricePerGame_ * (gamesOffered_ + 1);
    if (mood_ >= 0) moodStep();
    if (mood_ <= 0) return false;
    if (offer_ >= askedPrice_) {
        comment_ = "We have a deal. We will start producing games for your platform as soon as we get the docmentation";
        commentColour_ = TalkColour::Green;
        dealReady_ = true;
    } else {
        static const char* const kNo[3] = {"We are not interrested.", "We would like an other and better offer.",
                                           "Under these circumstances we are not interrested."};
        comment_ = kNo[g_.rng.randomInt(3)];
        commentColour_ = TalkColour::Red;
        dealReady_ = false;
    }
    p.pause(300);
    return dealReady_;
}

ActionResult PlatformPublisherScreen::makeDeal(Player& p) {
    if (!valid() || !canMakeDeal()) return Refusal{"Make Deal", "No offer has been accepted"};
    if (!signDeal(g_, company_, task_, gamesOffered_)) return Refusal{"Make Deal", "Every deal slot is in use"};
    World& w = g_.world();
    payCash(w.money, offer_);
    if (Years::inRange(g_.currentYear) && decltype(World::yearlyDevelopmentCost)::inRange(g_.currentYear))
        addToMoney(w.yearlyDevelopmentCost[g_.currentYear], offer_);
    cancel();
    p.refreshMainScreen();
    return {};
}

void PlatformPublisherScreen::cancel() {
    negotiating_ = false;
    dealReady_ = false;
}

}  // namespace cw
