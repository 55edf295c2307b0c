#include "state/inbox.h"

#include "state/game.h"

namespace cw {

bool InboxRow::blank() const {
    for (const auto& c : cells)
        if (!c.empty()) return false;
    return true;
}

Inbox::Inbox() { reset(); }

void Inbox::reset() {
    rows.clear();
    rows.push_back({{"Recived", "Read", "Subject", ""}});
    rows.push_back({});
    newMailFlag = false;
    unread = 0;
    sortColumn = -1;
    sortAscending = false;
}

}  // namespace cw
