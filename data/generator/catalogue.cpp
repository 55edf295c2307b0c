#include "catalogue.h"

#include <algorithm>
#include <stdexcept>

#include "genres.h"
#include "platforms.h"

namespace datagen {

namespace {

// New games a year, 1977..2005, before scaling to the companies' totals.
const std::vector<double> kMarketShape = {20,  35,   60,   110,  190,  330,  470,  480,  450, 480,
                                          520, 540,  560,  580,  620,  650,  700,  750,  800, 880,
                                          960, 1050, 1150, 1250, 1350, 1450, 1500, 1550, 1500};

double kindCompat(Kind a, Kind b) {
    if (a == b) return 1.0;
    if ((a == Kind::Computer && b == Kind::Console) || (a == Kind::Console && b == Kind::Computer)) return 0.35;
    if ((a == Kind::Handheld && b == Kind::Console) || (a == Kind::Console && b == Kind::Handheld)) return 0.25;
    return 0.08;
}

// How likely a game first made for `from` also came out on `to`: machines
// of one kind and one generation, in their prime, shared most games.
double portWeight(const PlatformInfo& from, const PlatformInfo& to, int year) {
    double w = kindCompat(from.kind, to.kind);
    double gap = from.peak - to.peak;
    w /= 1.0 + gap * gap / 9.0;
    double prime = platformWeight(to, year) / to.weight;
    w *= prime * prime;
    // Machines few games were carried over to: arcade boards, oddities, a
    // niche system, and the two that were not in the shops yet.
    static const char* const apart[] = {"Neo Geo", "Neo Geo CD", "Vectrex",  "Virtual Boy",
                                        "PC-FX",   "Linux",      "Xbox 360", "PlayStation 3"};
    for (const char* name : apart)
        if (std::string(to.name) == name) w *= 0.2;
    return w;
}

int portPercent(int year) {
    if (year < 1983) return 20;
    if (year < 1990) return 45;
    if (year < 1996) return 30;
    if (year < 2000) return 25;
    return 30;
}

class Builder {
public:
    Builder(const WordBank& words, const NameSource& names, Rng rng, Catalogue& cat)
        : words_(words), names_(names), rng_(rng), cat_(cat), titles_(words, names, rng.fork("titles")) {}

    void run() {
        std::vector<std::string> avoid;
        for (const auto& p : platformTable()) avoid.push_back(p.name);
        cat_.companies = makeCompanies(words_, names_, rng_.fork("companies"), avoid);
        for (const auto& c : cat_.companies) titles_.reserve(c.name);
        allocateGames(cat_.companies, kMarketShape);

        for (int year = kFirstYear; year <= kLastYear; ++year) {
            int count = 0;
            for (std::size_t c = 0; c < cat_.companies.size(); ++c) {
                const Company& co = cat_.companies[c];
                if (year < co.first || year > co.last) continue;
                int games = co.perYear[static_cast<std::size_t>(year - co.first)];
                for (int k = 0; k < games; ++k) addRow(static_cast<int>(c), year);
                count += games;
            }
            // Some games of every year are known only by their name.
            int anonymous = (count * 15 + 500) / 1000;
            for (int k = 0; k < anonymous; ++k) addRow(-1, year);
        }
        std::stable_sort(cat_.rows.begin(), cat_.rows.end(), [](const CatalogueRow& a, const CatalogueRow& b) {
            if (a.year != b.year) return a.year < b.year;
            return lower(a.title) < lower(b.title);
        });
    }

private:
    int choosePlatform(int company, int year, int genre, int notKindOf = -1, const std::vector<int>& skip = {}) {
        const auto& table = platformTable();
        std::vector<double> w(table.size(), 0.0);
        for (std::size_t p = 0; p < table.size(); ++p) {
            if (std::find(skip.begin(), skip.end(), static_cast<int>(p)) != skip.end()) continue;
            double v = platformWeight(table[p], year);
            if (v <= 0) continue;
            if (company >= 0)
                v *= cat_.companies[static_cast<std::size_t>(company)].kind[static_cast<int>(table[p].kind)];
            if (genre > 0) v *= genreWeight(genre, year, table[p]);
            if (notKindOf >= 0) v *= portWeight(table[static_cast<std::size_t>(notKindOf)], table[p], year);
            w[p] = v;
        }
        return rng_.weighted(w);
    }

    int chooseGenre(int company, int year, const PlatformInfo& platform) {
        std::vector<double> w(10, 0.0);
        for (int g = 1; g <= kGenreCount; ++g) {
            w[g] = genreWeight(g, year, platform);
            if (company >= 0) w[g] *= cat_.companies[static_cast<std::size_t>(company)].genre[g];
        }
        return rng_.weighted(w);
    }

    int chooseSecondary(int genre, int year) {
        std::vector<const GenrePair*> options;
        std::vector<double> w;
        for (const GenrePair* p = pairsBegin(); p != pairsEnd(); ++p) {
            if (p->primary != genre || year < p->from) continue;
            options.push_back(p);
            // A combination is rare in its first years.
            w.push_back(p->weight * std::min(1.0, 0.25 + 0.15 * (year - p->from)));
        }
        int i = rng_.weighted(w);
        return i < 0 ? 0 : options[static_cast<std::size_t>(i)]->secondary;
    }

    int sequelPercent(const Company& c, int year) {
        int base = c.tier == Tier::Giant ? 42 : (c.tier == Tier::Major ? 36 : (c.tier == Tier::Mid ? 28 : 12));
        if (year < 1983) return base * 4 / 10;
        if (year < 1990) return base * 9 / 10;
        return base * 11 / 10;
    }

    void addRow(int company, int year) {
        CatalogueRow row;
        row.year = year;
        row.company = company;
        const Company* co = company >= 0 ? &cat_.companies[static_cast<std::size_t>(company)] : nullptr;

        if (co && !co->franchises.empty() && rng_.chance(sequelPercent(*co, year))) continue_(row, *co);
        if (row.title.empty()) fresh(row);
        if (row.title.empty()) throw std::runtime_error("no title left for " + std::to_string(year));
        addPorts(row);
        addPublisher(row);

        row.genreBlank = row.genre == Puzzle && row.secondary == 0 && rng_.chance(25);
        row.blankAfterComma = rng_.chance(35);
        row.platformBlanks = rng_.chance(70);
        // Stories are remembered longer than seasons and spelling lessons.
        static const int genreFame[10] = {0, 8, 8, -12, 3, 10, 6, 0, 8, -2};
        row.quality = (co ? co->quality : 0) + genreFame[row.genre] + rng_.below(40) +
                      2 * (static_cast<int>(row.platforms.size()) - 1);
        if (row.franchise >= 0) {
            const Franchise& f = cat_.franchises[static_cast<std::size_t>(row.franchise)];
            row.quality += f.fame / 2 + 2 * std::min(f.entries, 4) - (f.annual ? 8 : 0);
        }
        cat_.rows.push_back(std::move(row));
    }

    // The next game of one of the company's series, when one is due.
    void continue_(CatalogueRow& row, const Company& co) {
        std::vector<double> w;
        for (int fi : co.franchises) {
            const Franchise& f = cat_.franchises[static_cast<std::size_t>(fi)];
            bool due = f.lastYear < row.year && f.entries < f.maxEntries;
            w.push_back(due ? (f.annual ? 3.0 : 1.0) + f.fame / 10.0 : 0.0);
        }
        int pick = rng_.weighted(w);
        if (pick < 0) return;
        int fi = co.franchises[static_cast<std::size_t>(pick)];
        Franchise& f = cat_.franchises[static_cast<std::size_t>(fi)];
        int p = choosePlatform(row.company, row.year, f.genre);
        if (p < 0) return;
        std::string title = titles_.sequel(f, row.year, platformTable()[static_cast<std::size_t>(p)]);
        if (title.empty()) return;
        f.entries++;
        f.lastYear = row.year;
        row.title = title;
        row.genre = f.genre;
        row.secondary = f.secondary;
        row.franchise = fi;
        row.platforms = {p};
    }

    void fresh(CatalogueRow& row) {
        int p = choosePlatform(row.company, row.year, 0);
        const PlatformInfo& platform = platformTable()[static_cast<std::size_t>(p)];
        row.genre = chooseGenre(row.company, row.year, platform);
        row.secondary = rng_.chance(secondGenrePercent(row.year)) ? chooseSecondary(row.genre, row.year) : 0;
        FreshTitle t = titles_.fresh(row.genre, row.secondary, row.year, platform);
        row.title = t.title;
        row.platforms = {p};
        if (row.company < 0 || t.stem.empty()) return;
        Company& co = cat_.companies[static_cast<std::size_t>(row.company)];
        int startPercent = co.tier == Tier::Giant || co.tier == Tier::Major ? 50 : 35;
        if (!t.annual && !rng_.chance(startPercent)) return;
        Franchise f;
        f.stem = t.stem;
        f.genre = row.genre;
        f.secondary = row.secondary;
        f.company = row.company;
        f.lastYear = row.year;
        f.annual = t.annual;
        f.yearApostrophe = t.yearApostrophe;
        f.lastModelYear = t.modelYear;
        f.roman = row.genre == RolePlaying ? rng_.chance(70) : rng_.chance(35);
        f.maxEntries = t.annual ? 3 + rng_.below(10) : 2 + rng_.below(3) + (rng_.chance(30) ? rng_.below(5) : 0);
        f.fame = rng_.below(20) + co.quality / 2;
        row.franchise = static_cast<int>(cat_.franchises.size());
        co.franchises.push_back(row.franchise);
        cat_.franchises.push_back(std::move(f));
    }

    // The same game on other machines of its time.
    void addPorts(CatalogueRow& row) {
        const PlatformInfo& first = platformTable()[static_cast<std::size_t>(row.platforms[0])];
        if (std::string(first.name) == "V.Smile" || !rng_.chance(portPercent(row.year))) return;
        int extra = 1 + (rng_.chance(35) ? 1 : 0) + (rng_.chance(15) ? 1 : 0);
        for (int k = 0; k < extra; ++k) {
            int p = choosePlatform(row.company, row.year, row.genre, row.platforms[0], row.platforms);
            if (p < 0) break;
            if (std::string(platformTable()[static_cast<std::size_t>(p)].name) == "V.Smile") continue;
            row.platforms.push_back(p);
        }
    }

    // Small developers often had a large house publish their games.
    void addPublisher(CatalogueRow& row) {
        if (row.company < 0) return;
        const Company& co = cat_.companies[static_cast<std::size_t>(row.company)];
        if (co.tier == Tier::Giant || co.tier == Tier::Major || !rng_.chance(9)) return;
        std::vector<double> w;
        for (const auto& c : cat_.companies) {
            bool big = c.tier == Tier::Giant || c.tier == Tier::Major;
            w.push_back(big && row.year >= c.first && row.year <= c.last ? (c.tier == Tier::Giant ? 3.0 : 1.0) : 0.0);
        }
        row.publisher = rng_.weighted(w);
    }

    const WordBank& words_;
    const NameSource& names_;
    Rng rng_;
    Catalogue& cat_;
    TitleMaker titles_;
};

}  // namespace

Catalogue buildCatalogue(const WordBank& words, const NameSource& names, Rng rng) {
    Catalogue cat;
    Builder builder(words, names, rng, cat);
    builder.run();
    return cat;
}

std::string catalogueText(const Catalogue& cat) {
    std::string out;
    const auto& table = platformTable();
    for (const auto& r : cat.rows) {
        out += r.title;
        out += '\t';
        out += std::to_string(r.year);
        out += '\t';
        if (r.company >= 0) out += cat.companies[static_cast<std::size_t>(r.company)].name;
        if (r.publisher >= 0) out += ", " + cat.companies[static_cast<std::size_t>(r.publisher)].name;
        out += '\t';
        if (!r.genreBlank) {
            out += genreName(r.genre);
            if (r.secondary) out += std::string(r.blankAfterComma ? ", " : ",") + genreName(r.secondary);
        }
        out += '\t';
        for (std::size_t i = 0; i < r.platforms.size(); ++i) {
            if (i) out += r.platformBlanks ? ", " : ",";
            out += table[static_cast<std::size_t>(r.platforms[i])].name;
        }
        out += '\n';
    }
    return out;
}

std::string platformReleaseText() {
    std::string out;
    for (const auto& p : platformTable())
        out += std::string(p.name) + ";" + kindText(p.kind) + ";" + std::to_string(p.release) + "\n";
    return out;
}

}  // namespace datagen
