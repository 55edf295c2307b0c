// A language file: any bytes are read or refused with a message; what a
// read file gives a control stays within the caps, a text field's text is
// never changed, and the entries read,
// written back as the export writes them, read back the same.
#include <cstdint>
#include <string>
#include <vector>

#include "refdata/language_file.h"
#include "support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    cw::LanguageFile file;
    const std::string error = cw::parseLanguageText(bytes, "Fuzz.lng", file);
    if (!error.empty()) {
        cw::fuzz::check(file.lines.empty() && file.keys.empty(), "a refused file left lines behind");
        return 0;
    }
    cw::fuzz::check(!file.keys.empty(), "a file read without a key");
    std::vector<cw::LanguageEntry> entries;
    std::vector<cw::LanguageTexts> read;
    for (const auto& [key, line] : file.keys) {
        cw::fuzz::check(line < file.lines.size(), "a key outside the file");
        const auto dot = key.find('.');
        if (dot == std::string::npos) continue;
        const std::string screen = key.substr(0, dot), control = key.substr(dot + 1);
        const cw::LanguageTexts t = cw::languageTexts(file, screen, control, cw::LanguageControlKind::Captioned);
        const cw::LanguageTexts hintOnly = cw::languageTexts(file, screen, control, cw::LanguageControlKind::HintOnly);
        const cw::LanguageTexts field = cw::languageTexts(file, screen, control, cw::LanguageControlKind::TextField);
        cw::fuzz::check(!hintOnly.caption && hintOnly.hint == t.hint, "a hint-only control read a caption");
        cw::fuzz::check(!field.caption && field.hint == t.hint, "a text field's text was changed");
        cw::fuzz::check((!t.caption || t.caption->size() <= cw::kMaxLanguageTextBytes) &&
                            (!t.hint || t.hint->size() <= cw::kMaxLanguageTextBytes),
                        "a text beyond the cap");
        if (!t.caption && !t.hint) continue;
        cw::LanguageEntry e;
        e.screen = screen;
        e.control = control;
        e.kind = t.caption ? cw::LanguageControlKind::Captioned : cw::LanguageControlKind::HintOnly;
        e.text = t.caption.value_or("");
        e.hint = t.hint.value_or("");
        entries.push_back(e);
        read.push_back(t);
    }
    if (entries.empty()) return 0;
    cw::LanguageFile again;
    cw::fuzz::check(cw::parseLanguageText(cw::writeLanguageText(entries), "Again.lng", again).empty() ||
                        cw::writeLanguageText(entries).size() > cw::kMaxLanguageFileBytes,
                    "a written file was refused");
    if (again.keys.empty()) return 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const cw::LanguageTexts t =
            cw::languageTexts(again, entries[i].screen, entries[i].control, cw::LanguageControlKind::Captioned);
        cw::fuzz::check(t.caption == read[i].caption, "a caption changed on its way back");
        cw::fuzz::check(t.hint.value_or("") == read[i].hint.value_or(""), "a hint changed on its way back");
    }
    return 0;
}
