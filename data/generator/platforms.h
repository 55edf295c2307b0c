// The machines of the world and how busy each one is in each year.
#pragma once

#include <string>
#include <vector>

namespace datagen {

constexpr int kFirstYear = 1977;
constexpr int kLastYear = 2005;

enum class Kind { Computer, Console, Handheld };

struct PlatformInfo {
    const char* name;  // as spelled in the catalogue
    Kind kind;
    int release;  // year in platform_release.csv
    int first;    // first catalogue year
    int peak;
    int last;    // last catalogue year
    int weight;  // new titles a year at the peak, before scaling
};

const std::vector<PlatformInfo>& platformTable();
const PlatformInfo* findPlatform(const std::string& name);

// Relative number of new titles on the platform in the year: a launch
// trickle, a climb to the peak, then a long fade until the successor has
// taken over. 0 outside first..last.
double platformWeight(const PlatformInfo& p, int year);

const char* kindText(Kind kind);

}  // namespace datagen
