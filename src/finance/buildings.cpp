#include "finance/buildings.h"

#include <array>

namespace cw {
namespace {

template <std::size_t N>
i32 byLevel(const std::array<i32, N>& room, int level) {
    // A level no building reaches adds nothing.
    return level >= 0 && static_cast<std::size_t>(level) < N ? room[static_cast<std::size_t>(level)] : 0;
}

constexpr std::array<i32, 4> kFactory = {0, 10000, 20000, 30000};
constexpr std::array<i32, 4> kHeadquarters = {0, 5000, 10000, 20000};
// Levels 6..10 cannot be built; a world may still start with them.
constexpr std::array<i32, 11> kWarehouse = {0,      50000,   100000,  200000,  350000, 500000,
                                            750000, 1000000, 1300000, 1600000, 2000000};
constexpr std::array<i32, 4> kPublisher = {0, 5000, 10000, 15000};

}  // namespace

i32 storageCapacity(const Game& g) {
    const World& w = g.world();
    return byLevel(kFactory, w.factoryLevel) + byLevel(kHeadquarters, w.headquartersLevel) +
           byLevel(kWarehouse, w.warehouseLevel) + byLevel(kPublisher, w.publisherLevel);
}

}  // namespace cw
