#include "hardware/platform_design.h"

namespace cw {

i32 developmentProductionCost(const Game& g, int task) { return g.tables().tasks[task].platform.productionCost; }

}  // namespace cw

namespace cw {

std::string memorySizeText(const Game& g, int variant) {
    // Year from which a size is on the market, size in kilobytes.
    static constexpr struct {
        i32 year, size;
    } kMemory[] = {{1977, 4},       {1981, 8},        {1983, 32},       {1985, 128},     {1987, 512},
                   {1989, 1024},    {1991, 4096},     {1993, 16384},    {1995, 32768},   {1998, 131072},
                   {2000, 262144},  {2002, 524288},   {2005, 1042000},  {2008, 2084000}, {2011, 4096000}};
    i32 size = kMemory[0].size;
    for (const auto& m : kMemory)
        if (m.year <= g.currentYear) size = m.size;
    const i32 value = variant <= 0 ? size / 2 : variant == 1 ? size : 2 * size;
    if (value < 1024) return std::to_string(value) + " KB";
    if (value < 1042000) return std::to_string(value / 1024) + " MB";
    // The table counts 1,042,000 KB as one gigabyte and 4,096,000 as four.
    return std::to_string(value / 1024000) + " GB";
}

}  // namespace cw
