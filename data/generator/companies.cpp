#include "companies.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <stdexcept>

#include "platforms.h"
#include "titles.h"

namespace datagen {

namespace {

std::string suffixFor(const WordBank& words, Rng& rng, int year) {
    std::vector<std::string> names;
    std::vector<double> w;
    for (const auto& line : words.list("csuffix")) {
        auto f = split(line, '|');
        if (f.size() != 4) throw std::runtime_error("bad suffix line '" + line + "'");
        names.push_back(trim(f[0]));
        w.push_back(year >= std::stoi(f[1]) && year <= std::stoi(f[2]) ? std::stod(f[3]) : 0);
    }
    return names[static_cast<std::size_t>(rng.weighted(w))];
}

// A founder's name long enough to stand on a box ("Li Games" does not).
std::string founder(const NameSource& names, Rng& rng) {
    for (;;) {
        std::string s = names.surname(rng);
        if (s.size() >= 4 && s.find(' ') == std::string::npos) return s;
    }
}

// Names that read badly or trip over themselves: "Mossstone", "Heatherworks Works".
bool clumsy(const std::string& name) {
    for (std::size_t i = 2; i < name.size(); ++i)
        if (name[i] == name[i - 1] && name[i] == name[i - 2]) return true;
    std::string low = lower(name);
    std::size_t space = low.find(' ');
    if (space != std::string::npos) {
        std::string first = low.substr(0, space), rest = low.substr(space + 1);
        if (!rest.empty() && first.size() >= rest.size() &&
            first.compare(first.size() - rest.size(), rest.size(), rest) == 0)
            return true;
    }
    return false;
}

std::string companyName(const WordBank& words, const NameSource& names, Rng& rng, int founded, Tier tier) {
    // The houses that lasted grew out of their first names' "Micro".
    if (tier == Tier::Giant) founded = 1995;
    const bool early = founded < 1990;
    // compound, founder, odd pair, ordinal, coined "-soft", partners, fantasy
    std::vector<double> w = {45,
                             early ? 12.0 : 5.0,
                             early ? 2.0 : 8.0,
                             early ? 1.0 : 3.0,
                             founded < 1995 ? 3.0 : 1.0,
                             founded < 1992 ? 5.0 : 1.0,
                             10};
    if (tier == Tier::Giant) w = {60, 0, 0, 0, 0, 0, 40};
    switch (rng.weighted(w)) {
        case 0:
            return rng.pick(words.list("croot_a")) + rng.pick(words.list("croot_b")) + " " +
                   suffixFor(words, rng, founded);
        case 1:
            return founder(names, rng) + " " + suffixFor(words, rng, founded);
        case 2:
            return rng.pick(words.list("cadj")) + " " + rng.pick(words.list("cnoun")) + " " +
                   suffixFor(words, rng, founded);
        case 3:
            return rng.pick(words.list("ordinal")) + " " + rng.pick(words.list("cnoun")) + " " +
                   suffixFor(words, rng, founded);
        case 4:
            return techCoin(words, rng) + (rng.chance(70) ? "soft" : "ware");
        case 5:
            return founder(names, rng) + " & " + founder(names, rng);
        default:
            return fantasyCoin(words, rng) + " " + suffixFor(words, rng, founded);
    }
}

// Mid-sized companies were founded all through the years, most in the
// home-computer boom of the early eighties.
int foundingYear(Rng& rng, int from, int to) {
    std::vector<double> w;
    for (int y = from; y <= to; ++y) w.push_back(y < 1980 ? 3 : (y < 1985 ? 6 : (y < 1990 ? 5 : (y < 1995 ? 4 : 3))));
    return from + rng.weighted(w);
}

void setTastes(Company& c, Rng& rng) {
    static const double profiles[4][3] = {{1.0, 0.25, 0.1}, {0.3, 1.0, 0.5}, {0.2, 0.6, 1.6}, {1.0, 1.0, 0.8}};
    int profile;
    if (c.tier == Tier::Giant) {
        profile = 3;
    } else {
        std::vector<double> w = {c.first < 1986 ? 45.0 : 30.0, 30, c.first >= 1987 ? 12.0 : 3.0, 25};
        profile = rng.weighted(w);
    }
    for (int k = 0; k < 3; ++k) c.kind[k] = profiles[profile][k];
    for (int g = 1; g <= 9; ++g) c.genre[g] = 1;
    int fav = rng.range(1, 9), second = rng.range(1, 9), dislike = rng.range(1, 9);
    c.genre[fav] *= 4;
    c.genre[second] *= 2.5;
    if (dislike != fav && dislike != second) c.genre[dislike] *= 0.3;
    if (c.tier != Tier::Giant) {
        // A few houses made nothing but learning games.
        if (rng.chance(7)) c.genre[3] *= 25;
        // Educational titles mostly came from specialists.
        else
            c.genre[3] *= 0.5;
    }
}

}  // namespace

bool passesLargeTest(int games, int first, int last) { return games > 75 && last - first > 5; }

std::vector<Company> makeCompanies(const WordBank& words, const NameSource& names, Rng rng,
                                   const std::vector<std::string>& avoid) {
    std::vector<Company> out;
    auto add = [&](Tier tier, int first, int last, int target, int quality) {
        Company c;
        c.tier = tier;
        c.first = first;
        c.last = std::min(last, kLastYear);
        c.target = target;
        c.quality = quality;
        setTastes(c, rng);
        out.push_back(std::move(c));
    };

    static const int giantGames[] = {840, 720, 640, 580, 520, 470};
    static const int giantFounded[] = {1977, 1978, 1979, 1980, 1981, 1982};
    for (int i = 0; i < 6; ++i)
        add(Tier::Giant, giantFounded[i], kLastYear, giantGames[i] * rng.range(92, 108) / 100, rng.range(22, 35));
    for (int i = 0; i < 20; ++i) {
        int first = foundingYear(rng, 1978, 1994);
        int last = rng.chance(75) ? kLastYear : rng.range(std::max(first + 12, 1996), 2004);
        add(Tier::Major, first, last, 170 + rng.below(120) + rng.below(100), rng.range(15, 30));
    }
    for (int i = 0; i < 145; ++i) {
        int first = foundingYear(rng, 1977, 1998);
        int last = first + 7 + rng.below(17);
        add(Tier::Mid, first, last, 78 + rng.below(16) + rng.below(16), rng.range(6, 24));
    }
    for (int i = 0; i < 300; ++i) {
        int r = rng.below(100);
        int target = r < 55 ? 1 + rng.below(5)
                            : (r < 85 ? 4 + rng.below(14) : (r < 97 ? 12 + rng.below(30) : 30 + rng.below(40)));
        int life = target <= 5 ? 1 + rng.below(3) : 2 + rng.below(8);
        // Small studios came and went in every year, more of them as the
        // market grew.
        std::vector<double> w;
        for (int y = kFirstYear; y <= kLastYear; ++y) w.push_back(y < 1981 ? 1 : (y < 1990 ? 3 : 4));
        int first = kFirstYear + rng.weighted(w);
        add(Tier::Small, first, first + life - 1, target, rng.range(0, 20));
    }

    // Two companies never share the first word of their names, and no root
    // of the compound names is used more than three times.
    std::set<std::string> used;
    std::map<std::string, int> roots;
    for (const auto& a : avoid) used.insert(lower(a));
    for (auto& c : out) {
        for (;;) {
            std::string name = companyName(words, names, rng, c.first, c.tier);
            std::string first = lower(name.substr(0, name.find(' ')));
            std::string root;
            for (const auto& r : words.list("croot_a"))
                if (first.rfind(lower(r), 0) == 0 && first.size() > r.size()) root = lower(r);
            if (name.size() > 30 || clumsy(name) || used.count(lower(name)) || used.count("first:" + first)) continue;
            if (!root.empty() && roots[root] >= 3) continue;
            used.insert(lower(name));
            used.insert("first:" + first);
            if (!root.empty()) roots[root]++;
            c.name = name;
            break;
        }
    }
    return out;
}

void allocateGames(std::vector<Company>& companies, const std::vector<double>& marketShape) {
    const int years = kLastYear - kFirstYear + 1;
    double total = 0, shapeSum = 0;
    for (const auto& c : companies) total += c.target;
    for (double s : marketShape) shapeSum += s;
    std::vector<double> want(years);
    for (int y = 0; y < years; ++y) want[y] = marketShape[y] * total / shapeSum;

    // Start from a company's own life (slow first year, quieter last one),
    // then scale years and companies in turn until both kinds of totals fit.
    std::vector<std::vector<double>> m(companies.size(), std::vector<double>(years, 0.0));
    for (std::size_t i = 0; i < companies.size(); ++i) {
        const Company& c = companies[i];
        for (int y = c.first; y <= c.last; ++y) {
            double v = 1.0;
            if (y == c.first && c.last > c.first)
                v = 0.35;
            else if (y == c.first + 1)
                v = 0.7;
            else if (y == c.last && c.last < kLastYear)
                v = 0.5;
            m[i][y - kFirstYear] = v;
        }
    }
    for (int pass = 0; pass < 300; ++pass) {
        for (int y = 0; y < years; ++y) {
            double col = 0;
            for (const auto& row : m) col += row[y];
            if (col > 0)
                for (auto& row : m) row[y] *= want[y] / col;
        }
        for (std::size_t i = 0; i < companies.size(); ++i) {
            double sum = 0;
            for (double v : m[i]) sum += v;
            if (sum > 0)
                for (double& v : m[i]) v *= companies[i].target / sum;
        }
    }

    for (std::size_t i = 0; i < companies.size(); ++i) {
        Company& c = companies[i];
        const int span = c.last - c.first + 1;
        c.perYear.assign(span, 0);
        // Whole games by the largest remainders; ties go to the earlier year.
        std::vector<std::pair<double, int>> rest;
        int given = 0;
        for (int k = 0; k < span; ++k) {
            double v = m[i][c.first - kFirstYear + k];
            c.perYear[k] = static_cast<int>(std::floor(v));
            given += c.perYear[k];
            rest.push_back({v - std::floor(v), k});
        }
        std::stable_sort(rest.begin(), rest.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
        for (int k = 0; given < c.target; ++k, ++given) c.perYear[rest[k % span].second]++;
        // The founding and closing years are the company's first and last
        // games: a large company must really show its whole span.
        if (c.tier != Tier::Small && span > 1) {
            for (int end : {0, span - 1}) {
                if (c.perYear[end] > 0) continue;
                auto most = std::max_element(c.perYear.begin(), c.perYear.end());
                --*most;
                c.perYear[end] = 1;
            }
        }
    }
}

}  // namespace datagen
