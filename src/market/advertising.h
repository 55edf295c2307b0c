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

// The hype the campaigns of a task raise: a game's own hype (the one its
// score and sales read), otherwise the task's.
i32 projectHype(const Task& t);

// Why task `task` cannot be advertised, or an empty text when it can: a game
// or a console in new development.
std::string advertisingRefusal(const Game& g, int task);

// Opens the advertising screen for a project in development; returns the
// refusal instead when it cannot be advertised.
std::string ShowAdvertising(Game& g, Player& p, int task);

// The task whose advertising screen is open, 0 when none is.
int openAdvertisingTask();

// A click on a campaign: true when the price panel may show; otherwise the
// "Not enough Cash" notification.
bool ChooseCampaign(Game& g, Player& p, int type, int area);

// "Start" on the price panel. Refuses with the "Not enough Cash"
// notification (returning false) when the company cannot pay, and says why
// when the campaign still runs or the company has its own publishing
// department.
bool StartCampaign(Game& g, Player& p, int task, int type, int area);

// The weekly hype drift of the running campaigns.
void RunCampaigns(Game& g, Player& p);

}  // namespace cw
