#include "platforms.h"

namespace datagen {

namespace {

using K = Kind;

// release, first catalogue year, peak, last catalogue year, peak weight.
// Where the game has a built-in release year for a machine, the first
// catalogue year is not before it, or the import would push the early
// titles into the year after the launch all at once.
const std::vector<PlatformInfo> kPlatforms = {
    {"Atari 2600", K::Console, 1977, 1977, 1982, 1990, 150},
    {"Apple II", K::Computer, 1977, 1977, 1984, 1993, 120},
    {"TRS-80", K::Computer, 1977, 1977, 1981, 1987, 55},
    {"TI-99/4A", K::Computer, 1979, 1980, 1983, 1986, 35},
    {"Intellivision", K::Console, 1979, 1980, 1983, 1990, 40},
    {"VIC-20", K::Computer, 1980, 1981, 1983, 1987, 45},
    {"TRS-80 CoCo", K::Computer, 1980, 1981, 1984, 1991, 30},
    {"PC Booter", K::Computer, 1981, 1981, 1984, 1990, 70},
    {"ColecoVision", K::Console, 1982, 1982, 1983, 1986, 40},
    {"Vectrex", K::Console, 1982, 1982, 1983, 1984, 20},
    {"Atari 5200", K::Console, 1982, 1982, 1983, 1986, 25},
    {"Commodore 64", K::Computer, 1983, 1983, 1987, 1995, 200},
    {"ZX Spectrum", K::Computer, 1983, 1983, 1987, 1993, 150},
    {"MSX", K::Computer, 1983, 1983, 1987, 1993, 60},
    {"Amstrad CPC", K::Computer, 1983, 1984, 1988, 1993, 80},
    {"NES", K::Console, 1985, 1985, 1990, 1995, 140},
    {"DOS", K::Computer, 1985, 1985, 1995, 2000, 330},
    {"Atari 7800", K::Console, 1985, 1986, 1988, 1991, 20},
    {"Commodore 128", K::Computer, 1985, 1985, 1987, 1990, 12},
    {"Sega Master System", K::Console, 1986, 1986, 1989, 1993, 40},
    {"Amiga", K::Computer, 1987, 1987, 1991, 1998, 150},
    {"Atari ST", K::Computer, 1987, 1987, 1990, 1994, 80},
    {"Windows 3.x", K::Computer, 1988, 1988, 1995, 1997, 90},
    {"Lynx", K::Handheld, 1988, 1989, 1992, 1995, 15},
    {"TurboGrafx-16", K::Console, 1989, 1989, 1991, 1995, 30},
    {"Genesis", K::Console, 1989, 1989, 1993, 1998, 150},
    {"Game Boy", K::Handheld, 1989, 1989, 1993, 2001, 90},
    {"TurboGrafx CD", K::Console, 1990, 1990, 1992, 1995, 15},
    {"Game Gear", K::Handheld, 1990, 1991, 1993, 1997, 40},
    {"Neo Geo", K::Console, 1990, 1990, 1994, 2004, 15},
    {"SNES", K::Console, 1991, 1991, 1994, 1998, 150},
    {"Amiga CD32", K::Console, 1991, 1993, 1994, 1996, 14},
    {"Sega CD", K::Console, 1992, 1992, 1994, 1996, 25},
    {"Sega 32X", K::Console, 1992, 1994, 1995, 1996, 14},
    {"3DO", K::Console, 1993, 1993, 1995, 1997, 20},
    {"Jaguar", K::Console, 1993, 1993, 1995, 1997, 12},
    {"Neo Geo CD", K::Console, 1994, 1994, 1995, 1997, 14},
    {"Saturn", K::Console, 1994, 1995, 1997, 1999, 60},
    {"PlayStation", K::Console, 1994, 1995, 1999, 2004, 300},
    {"PC-FX", K::Console, 1994, 1995, 1996, 1998, 10},
    {"Virtual Boy", K::Handheld, 1995, 1995, 1995, 1996, 16},
    {"Nintendo 64", K::Console, 1996, 1996, 1999, 2002, 60},
    {"Windows", K::Computer, 1996, 1996, 2004, 2005, 650},
    {"Game.Com", K::Handheld, 1997, 1997, 1998, 2000, 8},
    {"Linux", K::Computer, 1998, 1998, 2004, 2005, 12},
    {"Game Boy Color", K::Handheld, 1998, 1998, 2000, 2003, 70},
    {"Dreamcast", K::Console, 1998, 1999, 2000, 2002, 60},
    {"Neo Geo Pocket", K::Handheld, 1998, 1998, 1998, 1999, 8},
    {"Neo Geo Pocket Color", K::Handheld, 1999, 1999, 2000, 2001, 12},
    {"WonderSwan", K::Handheld, 1999, 1999, 2000, 2002, 12},
    {"WonderSwan Color", K::Handheld, 2000, 2000, 2001, 2003, 12},
    {"PlayStation 2", K::Console, 2000, 2000, 2004, 2005, 330},
    {"Game Boy Advance", K::Handheld, 2001, 2001, 2004, 2005, 200},
    {"GameCube", K::Console, 2001, 2001, 2003, 2005, 100},
    {"Xbox", K::Console, 2001, 2001, 2004, 2005, 140},
    {"N-Gage", K::Handheld, 2003, 2003, 2004, 2005, 15},
    {"J2ME", K::Handheld, 2003, 2003, 2005, 2005, 90},
    {"Nintendo DS", K::Handheld, 2004, 2004, 2005, 2005, 70},
    {"V.Smile", K::Console, 2004, 2004, 2005, 2005, 10},
    {"Gizmondo", K::Handheld, 2005, 2005, 2005, 2005, 5},
    {"PSP", K::Handheld, 2005, 2005, 2005, 2005, 80},
    // Announced before launch: the catalogue ends in 2005, so their first
    // titles carry that year and the game moves them to the launch.
    {"Xbox 360", K::Console, 2005, 2005, 2005, 2005, 10},
    {"PlayStation 3", K::Console, 2006, 2005, 2005, 2005, 5},
};

}  // namespace

const std::vector<PlatformInfo>& platformTable() { return kPlatforms; }

const PlatformInfo* findPlatform(const std::string& name) {
    for (const auto& p : kPlatforms)
        if (name == p.name) return &p;
    return nullptr;
}

double platformWeight(const PlatformInfo& p, int year) {
    if (year < p.first || year > p.last) return 0;
    double w = p.weight;
    if (year <= p.peak) {
        if (p.peak == p.first) return w;
        // From a third of the peak in the launch year up to the peak.
        double t = static_cast<double>(year - p.first) / (p.peak - p.first);
        return w * (0.35 + 0.65 * t);
    }
    double t = static_cast<double>(year - p.peak) / (p.last - p.peak);
    return w * (1.0 - 0.85 * t);
}

const char* kindText(Kind kind) {
    switch (kind) {
        case Kind::Computer:
            return "Computer";
        case Kind::Console:
            return "Console";
        case Kind::Handheld:
            return "Handheld";
    }
    return "";
}

}  // namespace datagen
