// Advertising campaigns for the player's projects.
#pragma once

#include <string>

#include "state/game.h"
#include "state/player.h"

namespace cw {

// Campaign types 1..7 and areas 1..3 ("National", "continent", "World wide").
std::string campaignCaption(int type);
std::string campaignAreaText(int area);
i32 campaignPrice(int type, int area);

// The units left of campaign `type` of a task; 0 = not running.
i32 campaignWeeks(const Task& t, int type);
void setCampaignWeeks(Task& t, int type, i32 units);

// "(In progress)" or "(Ready)".
std::string campaignStatus(const Task& t, int type);

// A click on a campaign: true when the price panel may show; otherwise the
// "Not enough Cash" notification.
bool ChooseCampaign(Game& g, Player& p, int type, int area);

// "Start" on the price panel. Refuses with the "Not enough Cash"
// notification (returning false) when the company cannot pay; nothing
// happens while the campaign runs or when the company has its own
// publishing department.
bool StartCampaign(Game& g, Player& p, int task, int type, int area);

// The weekly hype drift of the running campaigns.
void RunCampaigns(Game& g, Player& p);

}  // namespace cw
