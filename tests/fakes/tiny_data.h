// A small but complete data archive, for tests that need a game to start
// without the weight of the shipped catalogue.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "refdata/zip_builder.h"

namespace cw::test {

inline std::vector<ZipMember> tinyDataMembers() {
    std::string catalogue;
    const char* machines[] = {"Orbit", "Genesis", "DOS"};
    for (int i = 0; i < 30; ++i) {
        catalogue += "Tiny Game " + std::to_string(i) + "\t" + std::to_string(1976 + i % 12) + "\tSmall Soft " +
                     std::to_string(i % 3) + "\t" + (i % 2 ? "Action" : "Strategy, Puzzle/solving") + "\t" +
                     machines[i % 3] + "," + machines[(i + 1) % 3] + "\n";
    }
    std::string people;
    const char* surnames[] = {"Smith", "Jones", "Lee", "Brown", "Moore", "Clark", "Young", "Hall"};
    const char* given[] = {"Ann", "Bob", "Cy", "Dee", "Eve", "Fay", "Gus", "Hal"};
    for (int i = 0; i < 40; ++i)
        people +=
            std::string(surnames[i % 8]) + "," + given[(i / 8 + i) % 8] + ";" + std::to_string(4 * (1 + i % 3)) + "\n";
    return {{"cw2_test.txt", catalogue, true},
            {"cw2_test_people.txt", people, true},
            {"cw2_cpus.csv",
             "Name;Year;X;Bits;Speed;Price;Kind\nZ-Core 8;1978;0;8;10;200;1\nZ-Core 16;1983;0;16;30;400;1\n"
             "Pixel 1;1981;0;8;5;150;2\n"},
            {"platform_release.csv", "Orbit;x;1979\nGenesis;x;1989\n"}};
}

// Writes the archive as "data.zip" into `folder`.
inline void writeTinyDataArchive(const std::filesystem::path& folder) {
    writeZip((folder / "data.zip").string(), tinyDataMembers());
}

}  // namespace cw::test
