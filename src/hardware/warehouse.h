// The warehouse: the units of the player's products in store, and the room
// left for more.
#pragma once

#include "state/game.h"

namespace cw {

// Stores `count` units in the entry of the item, or in the first free entry
// when the item has none yet. A console (kind 4) is matched by its platform
// alone, a game (kind 1) by both keys. With every entry taken nothing is
// stored and false is returned.
bool addStock(Game& g, i32 key, i32 key2, i32 kind, i32 count);

// Takes `count` units out of the item's entry; nothing changes when the item
// has none.
void removeStock(Game& g, i32 key, i32 key2, i32 kind, i32 count);

// The units of the item in store; 0 when it has no entry or the kind is
// neither a game nor a console.
i32 stockOf(const Game& g, i32 key, i32 key2, i32 kind);

// The storage capacity minus the room the stored units take: a console unit
// takes 4, a game copy 1.
i32 freeStorage(const Game& g);

}  // namespace cw
