#include "hardware/hardware_texts.h"

#include <algorithm>
#include <cstdint>

namespace cw {

std::string platformNameText(const Game& g, int platform) {
    if (!decltype(SaveImage::platforms)::inRange(platform)) return {};
    const std::string text = g.tables().platforms[platform].name.str();
    const std::string_view name = text;
    const auto first = name.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = name.find_last_not_of(' ');
    return std::string(name.substr(first, last - first + 1));
}

std::string platformAgeText(const Game& g, i32 year, i32 week) {
    // In 64 bits: the year and week come from the tables, which a damaged
    // save may fill with any number.
    const std::int64_t d = (std::int64_t{g.currentYear} * 52 + g.currentWeek) - (std::int64_t{year} * 52 + week);
    return std::to_string(d / 52) + " Year(s),  " + std::to_string(d % 52) + " Weeks";
}

std::string opinionWord(i32 opinion) {
    if (opinion < 5) return "scrap";
    if (opinion < 20) return "Disliked";
    if (opinion < 30) return "unpopular";
    if (opinion < 55) return "okay";
    if (opinion < 85) return "popular";
    return "HOT";
}

std::string cpuReleaseText(const Game& g, i32 speed) {
    const i32 best = g.world().bestCpuSpeed;
    if (speed >= best) {
        if (std::int64_t{speed} - best >= 50)
            return "Ultra fast Cpu was released this week.\r\n"
                   "Platforms apploying this CPU will set new standards for whats posible in computer entertainment";
        return "Very fast Cpu was released this week.\r\n"
               "Platforms apploying this CPU will set new standards in the gaming world";
    }
    if (std::int64_t{speed} - best < -100) return "New medium fast Cpu was released this week.\r\n";
    return "New Cpu was released this week.\r\n"
           "The CPU is built on old at reliable methods. The CPU lacks a bit of speed compared to the fastest in the "
           "industry";
}

std::string cpuTypeText(int cpuType) {
    switch (cpuType) {
        case 1:
            return "CPU";
        case 2:
            return "GPU";
        case 3:
            return "All";
        case 4:
            return "SPU";
        default:
            return {};
    }
}

std::string analysisScoreWord(i32 score) {
    if (score < 81) return "Very Bad";
    if (score <= 96) return "Bad";
    if (score <= 120) return "fair";
    if (score <= 141) return "OK";
    if (score <= 162) return "Good";
    if (score <= 10000) return "Very good";
    return "NA";
}

std::string cpuSpecRatingText(i32 cpuSpec) {
    struct Band {
        i32 below;
        const char* word;
    };
    static constexpr Band kBands[] = {
        {500, "scrap ("},      {600, "out of date ("},      {850, "Previous generation ("},
        {950, "up-to-date ("}, {1050, "Next generation ("}, {1200, "Super power ("}};
    const char* word = "Revolutionary design (";
    for (const Band& b : kBands)
        if (cpuSpec < b.below) {
            word = b.word;
            break;
        }
    return word + std::to_string(cpuSpec) + ")";
}

std::string ratingWord(i32 score, bool withNumber) {
    std::string word = score >= 120  ? "Superb"
                       : score >= 100 ? "Good"
                       : score >= 75  ? "Average"
                       : score >= 60  ? "Mediocre"
                                      : "Poor";
    if (!withNumber) return word;
    const i32 n = std::clamp<i32>(11 - (150 - score) / 10, 1, 10);
    return word + " (" + std::to_string(n) + "/10)";
}

}  // namespace cw
