#include "processors.h"

#include <vector>

namespace datagen {

namespace {

struct Family {
    const char* name;
    int kind;
    bool budget;
    int from, to;
    std::vector<const char*> models;
    std::size_t used = 0;
};

struct Anchor {
    int year;
    int value;
};

// Piecewise linear through the anchors.
int curve(const std::vector<Anchor>& a, int year) {
    if (year <= a.front().year) return a.front().value;
    for (std::size_t i = 1; i < a.size(); ++i) {
        if (year <= a[i].year) {
            int span = a[i].year - a[i - 1].year;
            return a[i - 1].value + (a[i].value - a[i - 1].value) * (year - a[i - 1].year) / span;
        }
    }
    return a.back().value;
}

// Speed indexes by kind: the main CPUs set the pace, graphics chips catch
// up in the nineties, sound chips stay modest.
const std::vector<Anchor> kSpeed[5] = {
    {},
    {{1975, 6},
     {1978, 9},
     {1980, 14},
     {1983, 22},
     {1985, 35},
     {1987, 60},
     {1990, 120},
     {1992, 200},
     {1994, 330},
     {1996, 550},
     {1998, 900},
     {2000, 1500},
     {2002, 2400},
     {2004, 3600},
     {2005, 4300}},
    {{1977, 3},
     {1980, 5},
     {1985, 12},
     {1990, 40},
     {1993, 90},
     {1995, 150},
     {1998, 500},
     {2000, 1000},
     {2002, 1800},
     {2005, 3200}},
    {{1982, 12}, {1985, 22}, {1990, 70}, {1995, 260}, {2000, 900}, {2005, 2600}},
    {{1976, 2}, {1980, 4}, {1985, 10}, {1990, 25}, {1995, 60}, {2000, 120}, {2005, 220}},
};

// Base prices: dear at first, cheapest in the late eighties, then dearer
// again as the chips grew.
const std::vector<Anchor> kPrice[5] = {
    {},
    {{1975, 260}, {1980, 150}, {1985, 70}, {1988, 50}, {1990, 60}, {1995, 110}, {2000, 180}, {2005, 260}},
    {{1977, 190}, {1980, 120}, {1985, 45}, {1990, 50}, {1995, 80}, {2000, 150}, {2005, 220}},
    {{1982, 230}, {1986, 110}, {1990, 90}, {1995, 140}, {2000, 200}, {2005, 280}},
    {{1976, 170}, {1980, 110}, {1985, 25}, {1990, 22}, {1995, 30}, {2000, 40}, {2005, 50}},
};

const std::vector<Anchor> kClock[5] = {
    {},
    {{1975, 1}, {1980, 4}, {1985, 8}, {1990, 25}, {1995, 100}, {2000, 600}, {2005, 3000}},
    {{1977, 3}, {1990, 20}, {1995, 50}, {2000, 166}, {2005, 450}},
    {{1982, 4}, {1990, 16}, {1995, 66}, {2000, 300}, {2005, 900}},
    {{1976, 2}, {1990, 8}, {2000, 33}, {2005, 48}},
};

std::vector<Family> families() {
    return {
        {"Tamarack", 1, false, 1975, 1983, {"T8", "T8A", "T80", "T88", "T800", "T880", "T888"}},
        {"Kestrel", 1, false, 1976, 1988, {"80", "85", "86", "88 Plus", "160", "168", "180"}},
        {"Corvid", 1, false, 1980, 1992, {"C16", "C18", "C20", "C24", "C32", "C32X", "C36"}},
        {"Halcyon", 1, false, 1985, 1997, {"H32", "H32S", "H40", "H48", "H64", "H64S", "H80", "H96"}},
        {"Quillon", 1, false, 1991, 2001, {"Q3", "Q3-100", "Q4", "Q4-200", "Q5", "Q5-400", "Q6", "Q6-700"}},
        {"Aurex", 1, false, 1995, 2005, {"64", "64 Pro", "128", "128 Pro", "256", "256 Pro", "500", "500 Pro"}},
        {"Lodestar",
         1,
         false,
         1999,
         2005,
         {"LX 1200", "LX 1600", "LX 2000", "LX 2400", "LX 3000", "LX 3600", "LX 4000"}},
        {"Brisa", 1, true, 1975, 1995, {"B-4",  "B-8",  "B-8X",  "B-10",  "B-12", "B-16", "B-16X",
                                        "B-18", "B-20", "B-24",  "B-24X", "B-28", "B-32", "B-32X",
                                        "B-36", "B-40", "B-40X", "B-44",  "B-48", "B-52", "B-56"}},
        {"Wrenfield", 1, true, 1996, 2005, {"W1", "W2", "W2 Lite", "W3", "W4", "W4 Lite", "W5", "W6", "W7", "W8"}},
        {"Lumen", 2, false, 1977, 1989, {"L1", "L2", "L2A", "L3", "L4", "L5", "L6", "L7", "L8"}},
        {"Facet", 2, false, 1987, 1997, {"2D", "2D Plus", "VX", "VX-2", "3D", "3D Plus", "VX-3D", "VX-4D"}},
        {"Opaline", 2, false, 1995, 2002, {"3D", "3D II", "3D Pro", "Twin", "4", "4 Pro", "5"}},
        {"Prismatic", 2, false, 1999, 2005, {"P200", "P300", "P400", "P500", "P600", "P800", "P900"}},
        {"Glimmer", 2, true, 1990, 2005, {"G1", "G2", "G3", "G4", "G5", "G6", "G7", "G8", "G9"}},
        {"Tonebird", 4, false, 1976, 1988, {"TB-1", "TB-2", "TB-3", "TB-3A", "TB-4", "TB-5", "TB-6", "TB-7"}},
        {"Warbler", 4, false, 1984, 1996, {"FM-4", "FM-6", "FM-8", "FM-8X", "FM-12", "FM-16", "FM-20"}},
        {"Sonnet", 4, false, 1991, 2005, {"S4", "S8", "S16", "S24", "S32", "S48", "S64", "S96"}},
        {"Cadenza", 4, false, 1997, 2005, {"16", "32", "64", "128", "256", "512"}},
        {"Tandem", 3, false, 1982, 1995, {"T1", "T2", "T3", "T4", "T5", "T6", "T7"}},
        {"Mosaic", 3, false, 1995, 2005, {"M1", "M2", "M3", "M4", "M5", "M6"}},
    };
}

const char* bits(int kind, int year, bool budget) {
    if (kind == 4) return year < 1984 ? "4" : (year < 1990 ? "8" : (year < 1996 ? "16" : (year < 2001 ? "24" : "32")));
    if (kind == 2) {
        if (year < 1982) return "8";
        if (year < 1988) return "16";
        if (year < 1994) return "32";
        if (year < 1998) return "64";
        return year < 2002 ? "128" : "256";
    }
    if (year < 1979) return "8";
    if (year < 1986) return budget ? "8" : "16";
    if (year < 1993) return budget ? "16" : "32";
    return budget ? "32" : "64";
}

}  // namespace

std::string processorText(Rng rng) {
    std::string out = "Name;Year;Clock MHz;Bits;Speed index;Price;Type\n";
    auto fams = families();

    // The newest family of the kind that still has models left.
    auto take = [&](int kind, bool budget, int year) -> Family* {
        Family* best = nullptr;
        for (auto& f : fams) {
            if (f.kind != kind || f.budget != budget || year < f.from || year > f.to) continue;
            if (f.used >= f.models.size()) continue;
            if (!best || f.from > best->from) best = &f;
        }
        return best;
    };
    auto emit = [&](Family& f, int year) {
        std::string name = std::string(f.name) + " " + f.models[f.used++];
        int kind = f.kind;
        int scaleLo = f.budget ? 50 : 100, scaleHi = f.budget ? 75 : 115;
        int speed = curve(kSpeed[kind], year) * rng.range(scaleLo, scaleHi) / 100;
        int price = curve(kPrice[kind], year) * (f.budget ? rng.range(55, 65) : rng.range(120, 150)) / 100;
        // A chip already on sale when a game starts in 1980 loses 20 a year
        // from its launch price; it must not reach the bottom.
        int floor = (1981 - year) * 20 * 100 / 142 + 12;
        if (year <= 1980 && price < floor) price = floor;
        int clock = curve(kClock[kind], year) * (f.budget ? 70 : 100) / 100;
        if (clock < 1) clock = 1;
        if (speed < 1) speed = 1;
        out += name + ";" + std::to_string(year) + ";" + std::to_string(clock) + ";" + bits(kind, year, f.budget) +
               ";" + std::to_string(speed) + ";" + std::to_string(price) + ";" + std::to_string(kind) + "\n";
    };

    for (int year = 1975; year <= 2005; ++year) {
        if (Family* f = take(1, false, year)) emit(*f, year);
        if (Family* f = take(1, true, year)) emit(*f, year);
        if (year >= 1977)
            if (Family* f = take(2, false, year)) emit(*f, year);
        if (year >= 1990 && year % 2 == 0)
            if (Family* f = take(2, true, year)) emit(*f, year);
        if (year >= 1976)
            if (Family* f = take(4, false, year)) emit(*f, year);
        if (year >= 1982 && year % 2 == 0)
            if (Family* f = take(3, false, year)) emit(*f, year);
        // Busy years bring a second high-end CPU or graphics chip.
        if (year >= 1983 && rng.chance(40))
            if (Family* f = take(rng.chance(50) ? 1 : 2, false, year)) emit(*f, year);
    }
    return out;
}

}  // namespace datagen
