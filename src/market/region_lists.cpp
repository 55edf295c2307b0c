#include "market/region_lists.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <unordered_map>

namespace cw {

const char* const ConsoleNames =
    "3DO Amiga CD32 Atari 2600 Atari 5200 Atari 7800 ColecoVision Dreamcast GameCube Genesis Intellivision JaguarNeo "
    "Geo Neo Geo CD NES Nintendo 64 PC-FX PlayStation PlayStation 2 Saturn Sega 32X Sega CD Sega Master System SNES "
    "TurboGrafx-16 TurboGrafx CD Vectrex V.Smile Xbox";
const char* const HandheldNames =
    "Game Boy Game Boy Advance Game Boy Color Game.Com Game Gear Gizmondo Lynx Neo Geo Pocket Neo Geo Pocket Color "
    "N-Gage Nintendo DS PSP Virtual Boy WonderSwan WonderSwan Color";
const char* const ComputerNames =
    "Amiga Amstrad CPC Apple II Atari ST Commodore 128 Commodore 64 DOS Linux MSX PC Booter TI-99/4A TRS-80 TRS-80 "
    "CoCo VIC-20 Windows Windows 3.x ZX Spectrum";

namespace {

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool sameLetter(char a, char b) {
    return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
}

}  // namespace

bool nameInList(std::string_view list, std::string_view name) {
    name = trimBlanks(name);
    if (name.empty()) return false;
    return std::search(list.begin(), list.end(), name.begin(), name.end(), sameLetter) != list.end();
}

const std::string& regionPreferenceList(int region) {
    static const std::string us = std::string(ConsoleNames) + ComputerNames + HandheldNames;
    static const std::string europe = std::string(ComputerNames) + HandheldNames;
    static const std::string asia = std::string(ConsoleNames) + HandheldNames;
    static const std::string none;
    switch (region) {
        case 1: return us;
        case 2: return europe;
        case 3: return asia;
        default: return none;
    }
}

bool preferredInRegion(std::string_view platformName, int region) {
    // Every week's sales ask this for every platform and region, and the
    // answer depends on the name alone: the lists are searched once per name.
    if (region < 1 || region > 3) return false;
    static std::unordered_map<std::string, u8> known;
    auto [it, added] = known.try_emplace(std::string(platformName), u8{0});
    if (added)
        for (int r = 1; r <= 3; ++r)
            if (nameInList(regionPreferenceList(r), platformName)) it->second = static_cast<u8>(it->second | (1 << r));
    return (it->second & (1 << region)) != 0;
}

u8 platformKindOf(std::string_view name) {
    u8 kind = KindComputer;
    if (nameInList(HandheldNames, name)) kind = KindHandheld;
    if (nameInList(ComputerNames, name)) kind = KindComputer;
    if (nameInList(ConsoleNames, name)) kind = KindConsole;
    return kind;
}

}  // namespace cw
