// A mod file of "MODS": any bytes are either refused with a message or give
// two lists between semicolons; an accepted mod sets the builder's lists,
// the chooser's description and the world check without trouble, and
// written back it reads the same.
#include <cstdint>
#include <filesystem>
#include <string>

#include "refdata/mods.h"
#include "support.h"

namespace {

// A few platforms and genres, some with the characters mods separate by.
const cw::ReferenceTables& tables() {
    static const cw::ReferenceTables t = [] {
        cw::ReferenceTables r;
        const char* platforms[] = {"DOS", "NES", "Game Boy", "PC;Booter", "Windows 3.x"};
        for (int i = 0; i < 5; ++i) {
            r.list_platforms.setCell(0, i + 1, platforms[i]);
            r.list_platforms.setCell(1, i + 1, std::to_string(10 * i));
        }
        const char* genres[][2] = {{"1", "Action"}, {"5,8", "Role-Playing (RPG),Strategy"}, {"9", "Puzzle/solving"}};
        for (int i = 0; i < 3; ++i) {
            r.list_genre.setCell(0, i + 1, genres[i][0]);
            r.list_genre.setCell(1, i + 1, "7");
            r.list_genre.setCell(2, i + 1, genres[i][1]);
        }
        return r;
    }();
    return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace fs = std::filesystem;
    const std::string folder = cw::fuzz::freshFolder("mod");
    const std::string path = (fs::path(folder) / "MODS" / "fuzz.cwm").string();
    fs::create_directories(fs::path(path).parent_path());
    cw::fuzz::writeFile(path, std::string(reinterpret_cast<const char*>(data), size));

    cw::ModFile m;
    const std::string why = cw::readModFile(path, m);
    const std::string shown = cw::modEntryDescription(folder, "fuzz.cwm");
    if (!why.empty()) {
        cw::fuzz::check(why.find("fuzz.cwm") != std::string::npos, "a refusal that does not name the file");
        cw::fuzz::check(shown == why, "the chooser shows something else than the refusal");
        cw::fuzz::check(m.platformLine == ";" && m.genreLine == ";" && m.description.empty(),
                        "a refused file changed the mod");
        return 0;
    }
    cw::fuzz::check(size <= cw::kMaxModFileBytes, "a file above the limit was read");
    for (const std::string* line : {&m.platformLine, &m.genreLine})
        cw::fuzz::check(line->size() >= 1 && line->front() == ';' && line->back() == ';',
                        "an accepted list that is not between semicolons");

    cw::ReferenceTables ref = tables();
    cw::fillModLists(ref);
    cw::applyModToLists(ref.modLists, m);
    (void)cw::modWorldRefusal(ref, m.platformLine, m.genreLine);
    const cw::ModFile fromLists = cw::modFromLists(ref.modLists);
    cw::fuzz::check(fromLists.platformLine.front() == ';' && fromLists.genreLine.front() == ';',
                    "the builder wrote a list without its semicolon");

    const std::string back = (fs::path(folder) / "MODS" / "back.cwm").string();
    cw::fuzz::check(cw::writeModFile(back, m).empty(), "an accepted mod could not be written");
    // Stray bytes come back as UTF-8 and line ends as CR LF, so the copy may
    // outgrow the limit; below it, it reads the same.
    if (fs::file_size(back) > cw::kMaxModFileBytes) return 0;
    cw::ModFile again;
    cw::fuzz::check(cw::readModFile(back, again).empty(), "a mod written back is refused");
    cw::fuzz::check(again.platformLine == m.platformLine && again.genreLine == m.genreLine &&
                        again.description == m.description,
                    "a mod written back reads otherwise");
    return 0;
}
