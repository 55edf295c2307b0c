// Game titles made from the word lists: fresh titles by genre and era, and
// the later games of a series.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platforms.h"
#include "rng.h"
#include "words.h"

namespace datagen {

struct Franchise {
    std::string stem;  // the series name that every later game repeats
    int genre = 0;
    int secondary = 0;
    int company = -1;
    int entries = 1;
    int number = 1;  // the last number given ("II" is 2)
    int lastYear = 0;
    int maxEntries = 3;
    bool annual = false;  // a season in every title ("Hardline Hockey '96")
    bool yearApostrophe = false;
    int lastModelYear = 0;
    bool roman = false;
    int fame = 0;  // how well the series is remembered
    std::set<std::string> usedVariants;
};

struct FreshTitle {
    std::string title;
    std::string stem;  // empty when the title cannot start a series
    bool annual = false;
    bool yearApostrophe = false;
    int modelYear = 0;
};

class NameSource;

class TitleMaker {
public:
    TitleMaker(const WordBank& words, const NameSource& names, Rng rng);

    // Names a title may never equal: machines and companies.
    void reserve(const std::string& name);
    bool isTaken(const std::string& title) const;

    // A fresh title for a game of the genre (and second genre, 0 for none)
    // on the machine; title empty when no unused title was found.
    FreshTitle fresh(int genre, int secondary, int year, const PlatformInfo& platform);
    // The next game of the series, or empty when no unused name fits.
    std::string sequel(Franchise& series, int year, const PlatformInfo& platform);

    // A coined word, unless it was used already and the dice give another.
    std::string freshCoin(bool tech);
    // "'96", "96" or "2003" for the season of the year.
    static std::string seasonText(int modelYear, bool apostrophe);

private:
    struct Pattern {
        std::string key;
        int from, to;
        double weight;
        std::string text;
    };
    struct Context {
        int year = 0;
        int sport = -1;
    };
    struct Sport {
        std::string name;
        int from, to;
        double weight;
        std::vector<std::string> nouns;
    };

    std::string expand(const std::string& pattern, Context& ctx);
    std::string part(const std::string& key, Context& ctx);
    std::string place();
    std::string subtitle(int year);
    const Pattern* choosePattern(const std::string& key, int year);
    bool acceptable(const std::string& title) const;
    bool claim(const std::string& title);
    static std::string tidy(std::string title);

    const WordBank& words_;
    const NameSource& names_;
    Rng rng_;
    std::vector<Pattern> patterns_;
    std::vector<Sport> sports_;
    std::vector<std::string> reject_;
    std::set<std::string> taken_;     // lower case
    std::set<std::string> reserved_;  // lower case
    std::set<std::string> stems_;     // first parts of fresh titles, lower case
    std::set<std::string> coins_;     // coined words already used
};

std::string romanNumeral(int n);
// A fantasy-sounding coined word ("Thalarion").
std::string fantasyCoin(const WordBank& words, Rng& rng);
// A hard, technical coined word ("Vexion").
std::string techCoin(const WordBank& words, Rng& rng);

}  // namespace datagen
