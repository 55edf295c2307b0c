// What a player action answers: nothing when it was done, otherwise the
// first failing check's message, exactly as the player sees it.
#pragma once

#include <optional>
#include <string>

namespace cw {

struct Refusal {
    std::string caption;
    std::string text;
    bool operator==(const Refusal&) const = default;
};

using ActionResult = std::optional<Refusal>;

}  // namespace cw
