// The three lists of platform names that decide a platform's kind and the
// regions where its games are sold.
#pragma once

#include <string>
#include <string_view>

#include "state/types.h"

namespace cw {

// Each list is one text of names joined by single blanks; a name is found in
// a list by a plain substring search, so "NES" is also found inside "SNES".
extern const char* const ConsoleNames;
extern const char* const HandheldNames;
extern const char* const ComputerNames;

// True when `name`, without surrounding blanks, occurs anywhere in `list`,
// compared without regard to letter case. An empty name occurs nowhere.
bool nameInList(std::string_view list, std::string_view name);

// The platforms each region prefers (1 US, 2 Europe, 3 Asia): the lists
// joined with nothing between them, so a name may also be found across the
// seam of two lists.
const std::string& regionPreferenceList(int region);
bool preferredInRegion(std::string_view platformName, int region);

enum PlatformKind : u8 { KindComputer = 0, KindConsole = 1, KindHandheld = 2 };

// 0 computer, 1 home console, 2 handheld. The lists are tried handheld,
// computer, console; the last one that holds the name wins.
u8 platformKindOf(std::string_view name);

}  // namespace cw
