// "Cw2.tid", the play time of earlier runs: any file reads without harm, and
// the time stored after a session reads back as the earlier time plus the
// session's.
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>

#include "setup/world_init.h"
#include "sim/game_clock.h"
#include "support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static cw::Game g;
    cw::fuzz::Bytes in(data, size);
    // A session of up to about nine hours, in the play timer's steps.
    const int session = static_cast<int>(in.u8()) * 128;
    const std::string folder = cw::fuzz::freshFolder("tid");
    cw::fuzz::writeFile((std::filesystem::path(folder) / "Cw2.tid").string(), std::string(in.rest()));
    g.programFolder = folder;
    g.session.sessionPlaySeconds = 12345;
    cw::readStoredPlayTime(g);
    cw::fuzz::check(g.session.sessionPlaySeconds == 0, "a read play time leaves the session's time standing");
    const std::int64_t stored = g.session.storedPlaySeconds;

    cw::addPlayTime(g, session);
    cw::storePlayTime(g);
    cw::readStoredPlayTime(g);
    const std::int64_t expected = std::min<std::int64_t>(stored + session, std::numeric_limits<std::int32_t>::max());
    cw::fuzz::check(g.session.storedPlaySeconds == expected, "a stored play time reads back otherwise");
    return 0;
}
