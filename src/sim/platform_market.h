// The weekly ageing of the platform market.
#pragma once

#include <string>

#include "state/game.h"
#include "state/player.h"

namespace cw {

// Consumer growth, still-in-use and piracy drift, cracker-group news, the
// demand forecast.
void platformMarketPartOne(Game& g, Player& p);

// Platform releases of the week, competition between platforms, ageing and
// price drift of released platforms.
void platformMarketPartTwo(Game& g, Player& p);

// The main screen's hardware-consumer label: hardwareConsumers div 4100 and "%".
std::string consumerLabelText(i32 hardwareConsumers);

// The question put to a player whose team designs a platform when a far
// stronger competitor comes out.
std::string competingPlatformQuestion(const std::string& releasedName, const std::string& designedName);

}  // namespace cw
