// "dykt.his", the tips file: any bytes give lines, the choice of a tip ends
// on the first line of a tip (or line 0 when the file has none), and the
// tip's text comes from the file.
#include <cstdint>
#include <string>

#include "events/tips.h"
#include "support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = cw::tipsLines(text);
    cw::Random rng;
    rng.seed = static_cast<std::uint32_t>(size);
    for (int k = 0; k < 3; ++k) {
        const int l = cw::chooseTipLine(rng, lines);
        cw::fuzz::check(l >= 0 && (lines.empty() || l < static_cast<int>(lines.size())), "a tip line outside the file");
        if (l > 0)
            cw::fuzz::check(lines[static_cast<std::size_t>(l - 1)].empty() && !lines[static_cast<std::size_t>(l)].empty(),
                            "a tip that does not start after an empty line");
        cw::fuzz::check(cw::tipText(lines, l).size() <= text.size() + 2 * lines.size(), "a tip longer than its file");
    }
    return 0;
}
