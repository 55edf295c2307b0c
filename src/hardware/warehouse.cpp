#include "hardware/warehouse.h"

#include <cstdint>
#include <limits>

#include "finance/buildings.h"

namespace cw {
namespace {

constexpr i32 kGameKind = 1;
constexpr i32 kConsoleKind = 4;

bool isFree(const StorageEntry& e) { return e.itemKey == 0 && e.itemKind == 0; }

bool matches(const StorageEntry& e, i32 key, i32 key2, i32 kind) {
    if (e.itemKind == 0 || e.itemKind != kind || e.itemKey != key) return false;
    return kind == kConsoleKind || e.itemKey2 == key2;
}

StorageEntry* find(Game& g, i32 key, i32 key2, i32 kind) {
    for (StorageEntry& e : g.world().storageEntries)
        if (matches(e, key, key2, kind)) return &e;
    return nullptr;
}

}  // namespace

bool addStock(Game& g, i32 key, i32 key2, i32 kind, i32 count) {
    StorageEntry* entry = find(g, key, key2, kind);
    if (!entry) {
        for (StorageEntry& e : g.world().storageEntries)
            if (isFree(e)) {
                entry = &e;
                break;
            }
        if (!entry) return false;
        entry->itemKey = key;
        entry->itemKey2 = kind == kConsoleKind ? 0 : key2;
        entry->itemKind = kind;
        entry->stock = 0;
    }
    entry->stock += count;
    return true;
}

void removeStock(Game& g, i32 key, i32 key2, i32 kind, i32 count) {
    if (StorageEntry* e = find(g, key, key2, kind)) e->stock -= count;
}

i32 stockOf(const Game& g, i32 key, i32 key2, i32 kind) {
    if (kind != kGameKind && kind != kConsoleKind) return 0;
    for (const StorageEntry& e : g.world().storageEntries)
        if (matches(e, key, key2, kind)) return e.stock;
    return 0;
}

i32 freeStorage(const Game& g) {
    // Summed wide: a damaged save may hold any stock, and the room left must
    // not wrap round to plenty.
    std::int64_t used = 0;
    for (const StorageEntry& e : g.world().storageEntries)
        if (!isFree(e)) used += std::int64_t{e.stock} * e.itemKind;
    const std::int64_t left = std::int64_t{storageCapacity(g)} - used;
    if (left < std::numeric_limits<i32>::min()) return std::numeric_limits<i32>::min();
    if (left > std::numeric_limits<i32>::max()) return std::numeric_limits<i32>::max();
    return static_cast<i32>(left);
}

}  // namespace cw
