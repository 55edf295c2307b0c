// The inbox file "INbox.txt" as a load reads it: any file gives an inbox
// with its heading and one blank row at the end, or is refused leaving the
// inbox as it was; what the inbox screen does with the letters never breaks
// that; and the inbox written back reads back the same.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "fakes/recording_player.h"
#include "state/game.h"
#include "state/inbox.h"
#include "state/save_file.h"
#include "support.h"

namespace {

bool sameRows(const std::vector<cw::InboxRow>& a, const std::vector<cw::InboxRow>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].cells != b[i].cells) return false;
    return true;
}

void checkShape(const cw::Inbox& in, const cw::InboxRow& heading) {
    cw::fuzz::check(in.rows.size() >= 2, "an inbox without its heading and blank row");
    cw::fuzz::check(in.rows[0].cells == heading.cells, "the heading row changed");
    cw::fuzz::check(in.rows.back().blank(), "an inbox without a blank row at the end");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static cw::Game g;
    cw::fuzz::Bytes in(data, size);
    const std::uint8_t actions = in.u8();
    const std::string folder = cw::fuzz::freshFolder("inbox");
    const std::string path = (std::filesystem::path(folder) / cw::kInboxFileName).string();
    cw::fuzz::writeFile(path, std::string(in.rest()));

    g.inbox.reset();
    g.currentYear = 1980 + actions % 36;
    g.currentWeek = 1 + actions % 52;
    const cw::InboxRow heading = g.inbox.rows[0];
    g.inbox.rows.insert(g.inbox.rows.begin() + 1, cw::InboxRow{{"1980, 01 - 1", "NO", "Kept", "Body"}});
    const auto before = g.inbox.rows;
    if (!cw::readInboxFile(g, path)) {
        cw::fuzz::check(sameRows(g.inbox.rows, before), "a refused inbox file changed the inbox");
        return 0;
    }
    checkShape(g.inbox, heading);

    // Written back and read again: the same letters.
    const std::string again = (std::filesystem::path(folder) / "again.txt").string();
    cw::fuzz::check(cw::writeInboxFile(g, again), "a read inbox cannot be written");
    const auto read = g.inbox.rows;
    cw::fuzz::check(cw::readInboxFile(g, again), "a written inbox cannot be read");
    cw::fuzz::check(sameRows(g.inbox.rows, read), "a written inbox reads back with other letters");

    // What the screen and the week do with the letters read.
    cw::test::RecordingPlayer p;
    g.inbox.unread = cw::countUnread(g.inbox);
    (void)cw::inboxLabel(g);
    (void)cw::inboxProgressText(g);
    if (actions & 1) cw::sortInbox(g, (actions >> 1) % 3);
    if (actions & 8) cw::sortInbox(g, (actions >> 4) % 3);
    checkShape(g.inbox, heading);
    if (actions & 64) (void)cw::deleteOldLetters(g);
    checkShape(g.inbox, heading);
    cw::fuzz::check(g.inbox.unread == cw::countUnread(g.inbox), "the unread count is out of date");
    for (int r = 0; r <= static_cast<int>(g.inbox.rows.size()); ++r) (void)cw::openLetter(g, p, r);
    for (const auto& row : g.inbox.rows)
        if (&row != &g.inbox.rows[0] && row.holdsLetter())
            cw::fuzz::check(row.cells[1] == "YES", "an opened letter is still unread");
    if (actions & 128) (void)cw::deleteLetter(g, 1);
    checkShape(g.inbox, heading);
    return 0;
}
