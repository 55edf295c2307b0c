#include "titles.h"

#include <cstring>
#include <stdexcept>

#include "genres.h"
#include "names.h"

namespace datagen {

namespace {

bool isVowel(char c) {
    c = static_cast<char>(c | 0x20);
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::vector<std::string> wordsOf(const std::string& text) {
    std::vector<std::string> out;
    std::string w;
    for (char c : text) {
        if (isLetter(c) || c == '\'' || (c >= '0' && c <= '9')) {
            w += static_cast<char>(c | (isLetter(c) ? 0x20 : 0));
        } else if (!w.empty()) {
            out.push_back(w);
            w.clear();
        }
    }
    if (!w.empty()) out.push_back(w);
    return out;
}

// Whole-word containment: "ion" is not found in "lion".
bool containsPhrase(const std::string& haystackLower, const std::string& phraseLower) {
    std::size_t at = haystackLower.find(phraseLower);
    while (at != std::string::npos) {
        bool startOk = at == 0 || !isLetter(haystackLower[at - 1]);
        std::size_t end = at + phraseLower.size();
        bool endOk = end >= haystackLower.size() || !isLetter(haystackLower[end]);
        if (startOk && endOk) return true;
        at = haystackLower.find(phraseLower, at + 1);
    }
    return false;
}

// A series can grow from a title whose first part ends in a letter and
// leaves room for a number and a subtitle.
std::string seriesStem(const std::string& title) {
    std::string stem = title;
    std::size_t colon = stem.find(": ");
    if (colon != std::string::npos) stem = stem.substr(0, colon);
    if (stem.empty() || !isLetter(stem.back()) || stem.size() > 20) return "";
    return stem;
}

bool named(const PlatformInfo& p, const char* name) { return std::strcmp(p.name, name) == 0; }

std::string plural(const std::string& w) {
    if (w.empty()) return w;
    char last = w.back();
    char before = w.size() > 1 ? w[w.size() - 2] : ' ';
    if (last == 's' || last == 'x' || last == 'z' || (last == 'h' && (before == 's' || before == 'c'))) return w + "es";
    if (last == 'y' && !isVowel(before)) return w.substr(0, w.size() - 1) + "ies";
    return w + "s";
}

// Some bigram ("elel", "ulul") said twice makes a coined word stutter.
bool stutters(const std::string& w) {
    std::string low = lower(w);
    for (std::size_t i = 0; i + 1 < low.size(); ++i)
        if (low.find(low.substr(i, 2), i + 1) != std::string::npos) return true;
    return false;
}

bool threeVowels(const std::string& w) {
    for (std::size_t i = 2; i < w.size(); ++i)
        if (isVowel(w[i - 2]) && isVowel(w[i - 1]) && isVowel(w[i])) return true;
    return false;
}

// A series named "Tales of X" or "X Online" takes a number or a subtitle,
// not another tag ("Tales of X Legends", "X Online Evolution").
bool takesTag(const std::string& stem) {
    static const char* const small[] = {" of ", " the ", " and ", " from ", " at ", " to ", " for ", "The "};
    for (const char* w : small)
        if (stem.find(w) != std::string::npos) return false;
    static const char* const tags[] = {"online", "legends",  "tactics",   "zero",    "saga",  "chronicle", "deluxe",
                                       "gold",   "3d",       "64",        "extreme", "turbo", "evolution", "returns",
                                       "force",  "squadron", "anthology", "edition", "tales", "simulator", "empire"};
    auto ws = wordsOf(stem);
    for (const char* t : tags)
        if (!ws.empty() && ws.back() == t) return false;
    return true;
}

}  // namespace

std::string romanNumeral(int n) {
    static const char* const numerals[] = {"",     "I",  "II", "III", "IV",  "V",    "VI",  "VII",
                                           "VIII", "IX", "X",  "XI",  "XII", "XIII", "XIV", "XV"};
    return n >= 1 && n <= 15 ? numerals[n] : std::to_string(n);
}

TitleMaker::TitleMaker(const WordBank& words, const NameSource& names, Rng rng)
    : words_(words), names_(names), rng_(rng) {
    for (const auto& line : words.list("patterns")) {
        auto f = split(line, '|');
        if (f.size() != 5) throw std::runtime_error("bad title pattern '" + line + "'");
        patterns_.push_back({trim(f[0]), std::stoi(f[1]), std::stoi(f[2]), std::stod(f[3]), trim(f[4])});
    }
    for (const auto& line : words.list("sport")) {
        auto f = split(line, '|');
        if (f.size() != 5) throw std::runtime_error("bad sport line '" + line + "'");
        Sport s{trim(f[0]), std::stoi(f[1]), std::stoi(f[2]), std::stod(f[3]), {}};
        for (const auto& noun : split(f[4], ',')) s.nouns.push_back(trim(noun));
        sports_.push_back(std::move(s));
    }
    for (const auto& phrase : words.list("reject")) reject_.push_back(lower(phrase));
    for (const auto& p : platformTable()) reserve(p.name);
}

void TitleMaker::reserve(const std::string& name) { reserved_.insert(lower(name)); }

bool TitleMaker::isTaken(const std::string& title) const { return taken_.count(lower(title)) != 0; }

std::string TitleMaker::seasonText(int modelYear, bool apostrophe) {
    if (modelYear >= 2000) return std::to_string(modelYear);
    std::string two = std::to_string(modelYear % 100);
    if (two.size() < 2) two = "0" + two;
    return apostrophe ? "'" + two : two;
}

std::string fantasyCoin(const WordBank& words, Rng& rng) {
    for (;;) {
        std::string w = rng.pick(words.list("fan_start"));
        if (rng.chance(45)) w += rng.pick(words.list("fan_mid"));
        w += rng.pick(words.list("fan_end"));
        if (w.size() < 4 || w.size() > 10 || stutters(w)) continue;
        bool ugly = false;
        for (std::size_t i = 1; i < w.size(); ++i) {
            char a = static_cast<char>(w[i - 1] | 0x20), b = w[i];
            if (a == b && (a == 'a' || a == 'i' || a == 'u')) ugly = true;
            if (i >= 2 && !isVowel(w[i - 2]) && !isVowel(a) && !isVowel(b) && a != 'h' && b != 'h') ugly = true;
            if (i >= 2 && isVowel(w[i - 2]) && isVowel(a) && isVowel(b)) ugly = true;
        }
        if (!ugly) return w;
    }
}

std::string techCoin(const WordBank& words, Rng& rng) {
    for (;;) {
        std::string w = rng.pick(words.list("tech_start"));
        std::string end = rng.pick(words.list("tech_end"));
        if (rng.chance(25) && !isVowel(end[0])) w += "aeio"[rng.below(4)];
        w += end;
        bool ugly = w.size() > 8 || threeVowels(w) || stutters(w);
        for (std::size_t i = 1; i < w.size(); ++i)
            if ((w[i - 1] | 0x20) == w[i]) ugly = true;
        if (!ugly) return w;
    }
}

std::string TitleMaker::freshCoin(bool tech) {
    std::string w;
    for (int attempt = 0; attempt < 8; ++attempt) {
        w = tech ? techCoin(words_, rng_) : fantasyCoin(words_, rng_);
        if (!coins_.count(w)) break;
    }
    coins_.insert(w);
    return w;
}

std::string TitleMaker::place() {
    int r = rng_.below(100);
    if (r < 45) return freshCoin(false);
    if (r < 75) {
        std::string w = rng_.pick(words_.list("fan_start"));
        if (rng_.chance(50)) w += rng_.pick(words_.list("fan_mid"));
        w += rng_.pick(words_.list("place_end"));
        if (w.size() <= 11 && !stutters(w)) return w;
        return fantasyCoin(words_, rng_);
    }
    return "the " + rng_.pick(words_.list("adj")) + " " + rng_.pick(words_.list("noun"));
}

std::string TitleMaker::subtitle(int year) {
    Context ctx;
    ctx.year = year;
    return expand(rng_.pick(words_.list("sub")), ctx);
}

std::string TitleMaker::part(const std::string& key, Context& ctx) {
    if (key == "sub") return subtitle(ctx.year);
    if (key == "place") return place();
    if (key == "fan") return freshCoin(false);
    if (key == "tek") return freshCoin(true);
    if (key == "surname") {
        // "Oh's Colony" does not read as a name in a title.
        for (;;) {
            std::string s = names_.surname(rng_);
            if (s.size() >= 4) return s;
        }
    }
    if (key == "person" || key == "athlete") return names_.fullName(rng_);
    if (key == "num") return std::to_string(rng_.range(2, 9));
    if (key == "oldyear") return std::to_string(rng_.range(1702, 1938));
    if (key == "yy") return seasonText(ctx.year, rng_.chance(50));
    if (key == "craftno") {
        static const char* const codes[] = {"VK", "RX", "TZ", "QF", "ZR", "KV", "DX", "HT", "LX", "SR", "YT", "WK"};
        return std::string(codes[rng_.below(12)]) + "-" + std::to_string(rng_.range(3, 96));
    }
    if (key == "sport" || key == "sportnoun") {
        if (ctx.sport < 0) {
            std::vector<double> w;
            for (const auto& s : sports_) w.push_back(ctx.year >= s.from && ctx.year <= s.to ? s.weight : 0);
            ctx.sport = rng_.weighted(w);
        }
        const Sport& s = sports_[static_cast<std::size_t>(ctx.sport)];
        return key == "sport" ? s.name : rng_.pick(s.nouns);
    }
    if (!words_.has(key) && key.size() > 1 && key.back() == 's' && words_.has(key.substr(0, key.size() - 1)))
        return plural(rng_.pick(words_.list(key.substr(0, key.size() - 1))));
    return rng_.pick(words_.list(key));
}

std::string TitleMaker::expand(const std::string& pattern, Context& ctx) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '{') {
            out += pattern[i];
            continue;
        }
        std::size_t close = pattern.find('}', i);
        if (close == std::string::npos) throw std::runtime_error("unclosed brace in '" + pattern + "'");
        out += part(pattern.substr(i + 1, close - i - 1), ctx);
        i = close;
    }
    return out;
}

std::string TitleMaker::tidy(std::string title) {
    std::string out;
    for (char c : title)
        if (!(c == ' ' && (out.empty() || out.back() == ' '))) out += c;
    while (!out.empty() && out.back() == ' ') out.pop_back();
    // "A Ember" reads badly; "An Ember" does not.
    for (std::size_t i = 0; i + 2 < out.size(); ++i) {
        bool wordStart = i == 0 || out[i - 1] == ' ';
        if (wordStart && out[i] == 'A' && out[i + 1] == ' ' && isVowel(out[i + 2])) out.insert(i + 1, "n");
    }
    if (!out.empty() && out[0] >= 'a' && out[0] <= 'z') out[0] = static_cast<char>(out[0] - 32);
    for (std::size_t i = 0; i + 2 < out.size(); ++i)
        if (out[i] == ':' && out[i + 1] == ' ' && out[i + 2] >= 'a' && out[i + 2] <= 'z')
            out[i + 2] = static_cast<char>(out[i + 2] - 32);
    return out;
}

bool TitleMaker::acceptable(const std::string& title) const {
    if (title.size() < 3 || title.size() > 30) return false;
    for (unsigned char c : title)
        if (c < 32 || c >= 127 || c == ';' || c == '"') return false;
    std::string low = lower(title);
    if (reserved_.count(low)) return false;
    for (const auto& phrase : reject_)
        if (containsPhrase(low, phrase)) return false;
    for (const auto& p : platformTable())
        if (containsPhrase(low, lower(p.name))) return false;
    // The same word twice ("Amber Amber Cubes") is a slip of the dice.
    auto ws = wordsOf(title);
    for (std::size_t i = 0; i < ws.size(); ++i) {
        if (ws[i].size() < 4) continue;
        for (std::size_t j = i + 1; j < ws.size(); ++j)
            if (ws[i] == ws[j]) return false;
    }
    return true;
}

bool TitleMaker::claim(const std::string& title) {
    if (!acceptable(title) || taken_.count(lower(title))) return false;
    taken_.insert(lower(title));
    return true;
}

const TitleMaker::Pattern* TitleMaker::choosePattern(const std::string& key, int year) {
    std::vector<double> w;
    for (const auto& p : patterns_) w.push_back(p.key == key && year >= p.from && year <= p.to ? p.weight : 0);
    int i = rng_.weighted(w);
    return i < 0 ? nullptr : &patterns_[static_cast<std::size_t>(i)];
}

FreshTitle TitleMaker::fresh(int genre, int secondary, int year, const PlatformInfo& platform) {
    static const std::string seasonTail = " {yy}";
    for (int attempt = 0; attempt < 80; ++attempt) {
        std::string key = genreKey(genre);
        const Pattern* pattern = nullptr;
        if (secondary != 0) {
            // Patterns of the pair where there are any; the second genre's own
            // would name a hockey game after a racing one.
            if (rng_.chance(60)) pattern = choosePattern(key + "/" + genreKey(secondary), year);
        }
        if (!pattern) pattern = choosePattern(key, year);
        if (!pattern) throw std::runtime_error("no title pattern for " + key + " in " + std::to_string(year));

        Context ctx;
        ctx.year = year;
        FreshTitle out;
        const std::string& text = pattern->text;
        if (text.size() > seasonTail.size() &&
            text.compare(text.size() - seasonTail.size(), seasonTail.size(), seasonTail) == 0) {
            out.stem = tidy(expand(text.substr(0, text.size() - seasonTail.size()), ctx));
            // Two series may not share a name: their later seasons would clash.
            if (taken_.count("series:" + lower(out.stem))) continue;
            out.annual = true;
            out.yearApostrophe = rng_.chance(50);
            out.modelYear = year >= 1990 && rng_.chance(60) ? year + 1 : year;
            out.title = out.stem + " " + seasonText(out.modelYear, out.yearApostrophe);
        } else {
            out.title = tidy(expand(text, ctx));
            if (named(platform, "Nintendo 64") && rng_.chance(12) && takesTag(out.title)) out.title += " 64";
            out.stem = seriesStem(out.title);
        }
        // One name, one series: no second company starts a "Herald: ..." of its own.
        std::size_t colon = out.title.find(": ");
        std::string first = lower(out.annual ? out.stem : out.title.substr(0, colon));
        if (stems_.count(first) || !claim(out.title)) continue;
        stems_.insert(first);
        if (out.annual) taken_.insert("series:" + lower(out.stem));
        return out;
    }
    return {};
}

std::string TitleMaker::sequel(Franchise& f, int year, const PlatformInfo& platform) {
    if (f.annual) {
        int model = year >= 1990 && rng_.chance(60) ? year + 1 : year;
        if (model <= f.lastModelYear) model = f.lastModelYear + 1;
        if (model > year + 1) return "";
        std::string t = f.stem + " " + seasonText(model, f.yearApostrophe);
        if (!claim(t)) return "";
        f.lastModelYear = model;
        return t;
    }

    struct Variant {
        std::string text;
        double weight;
        bool numbered;
        std::string once;  // variants a series uses only once
    };
    const int era = year < 1986 ? 1 : (year < 1995 ? 2 : 3);
    const int n = f.number + 1;
    const std::string number = f.roman ? romanNumeral(n) : std::to_string(n);
    const std::string& s = f.stem;
    const bool console = platform.kind == Kind::Console, handheld = platform.kind == Kind::Handheld;
    const int words = static_cast<int>(wordsOf(s).size());
    std::string returnTo = s.rfind("The ", 0) == 0 ? "Return to the " + s.substr(4) : "Return to " + s;

    std::vector<Variant> v;
    const bool tag = takesTag(s);
    v.push_back({s + " " + number, 10, true, ""});
    // Subtitles belong to stories; a puzzle or a season needs none.
    const bool story = f.genre == Action || f.genre == Adventure || f.genre == RolePlaying || f.genre == Strategy;
    if (story) {
        v.push_back({s + " " + number + ": " + subtitle(year), era == 1 ? 1.0 : (era == 2 ? 5.0 : 10.0), true, ""});
        if (year >= 1986) v.push_back({s + ": " + subtitle(year), 3, false, ""});
    }
    const bool brand = story || f.genre == Racing;
    if (words == 1 && (f.genre == Adventure || f.genre == RolePlaying || f.genre == Action))
        v.push_back({returnTo, 0.7, false, "return"});
    if (tag && console && year >= 1988 && year <= 1996) v.push_back({"Super " + s, 4, false, "super"});
    if (tag && named(platform, "Nintendo 64")) v.push_back({s + " 64", 6, false, "64"});
    if (tag && named(platform, "Game Boy Advance")) v.push_back({s + " Advance", 6, false, "advance"});
    if (tag && named(platform, "Nintendo DS")) v.push_back({s + " DS", 6, false, "ds"});
    if (tag && named(platform, "PSP")) v.push_back({s + " Portable", 4, false, "portable"});
    if (tag && handheld && year < 2001) v.push_back({s + " Pocket", 3, false, "pocket"});
    if (tag && year >= 1993 && year <= 1999) v.push_back({s + " 3D", 4, false, "3d"});
    if (tag && year >= 1984) v.push_back({s + " Deluxe", 1, false, "deluxe"});
    if (tag && year >= 1990) v.push_back({s + " Gold", 1, false, "gold"});
    if (tag && brand && year >= 1999 && !handheld) v.push_back({s + " Online", 2, false, "online"});
    if (tag && year >= 1995 && (f.genre == RolePlaying || f.genre == Strategy))
        v.push_back({s + " Tactics", 2, false, "tactics"});
    if (tag && brand && year >= 1996) v.push_back({s + " Legends", 2, false, "legends"});
    if (tag && year >= 1996 && (f.genre == Action || f.genre == Sports || f.genre == Racing))
        v.push_back({s + " Extreme", 1, false, "extreme"});
    if (tag && brand && year >= 1998) v.push_back({s + " Evolution", 1, false, "evolution"});
    if (tag && year >= 1994 && f.entries >= 3) v.push_back({s + " Anthology", 1, false, "anthology"});
    if (tag && year >= 1990 && n == 3) v.push_back({s + " Trilogy", 0.5, false, "trilogy"});
    if (tag && year >= 1985 && year <= 1996 && (f.genre == Racing || f.genre == Action))
        v.push_back({s + " Turbo", 1, false, "turbo"});
    if (tag && story) v.push_back({s + " Returns", 1, false, "returns"});

    std::vector<double> w;
    for (const auto& x : v) w.push_back(x.once.empty() || !f.usedVariants.count(x.once) ? x.weight : 0);
    for (int attempt = 0; attempt < 6; ++attempt) {
        int i = rng_.weighted(w);
        if (i < 0) return "";
        const Variant& pick = v[static_cast<std::size_t>(i)];
        std::string title = tidy(pick.text);
        if (claim(title)) {
            if (pick.numbered) f.number = n;
            if (!pick.once.empty()) f.usedVariants.insert(pick.once);
            return title;
        }
        w[static_cast<std::size_t>(i)] = 0;
    }
    return "";
}

}  // namespace datagen
