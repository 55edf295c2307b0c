// Turning a catalogue title into the game's own spelling of it.
#pragma once

#include <string>

namespace cw {

// Rewrites a title in up to five stages; each later stage runs only while the
// text is still the title it was given. `changed` tells whether any stage
// changed it (an unchanged title is listed as not converted).
std::string disguiseName(const std::string& title, bool* changed = nullptr);

}  // namespace cw
