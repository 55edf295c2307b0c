// Small operations on the tables that many subsystems share.
#pragma once

#include <string>
#include <string_view>

#include "state/game.h"

namespace cw {

enum NewsCategory { NewsFinancial = 1, NewsSoftware = 2, NewsHardware = 3 };
enum ProductKind { ProductGame = 1, ProductEngine = 2, ProductPlatform = 4 };

std::string taskTypeText(int taskType);
std::string taskSubtypeText(int taskSubtype);
// "USA", "Europe", "Asia" for 1..3.
std::string regionText(int region);

// Stores "Week <week>: <text>" (cut to 80) in the first empty line of the
// current year's history; a full year drops the text. Returns false then.
bool addCompanyHistory(Game& g, int week, std::string_view text);
bool addWorldHistory(Game& g, int week, std::string_view text);

// Keeps the four latest news items of a category (1..3), oldest first.
void postNews(Game& g, int category, std::string_view title, std::string_view text);

// Puts a product into the first free slot of the player's product list and
// returns its index, or 0 when all 3500 slots are taken. A task given
// (index > 0) is emptied first.
int addProduct(Game& g, int taskIndex, i32 refA, i32 refB, i32 kind, bool flag);

// The catalogue title a game product entry points at, or null.
GameTitle* productTitle(Game& g, int k);
const GameTitle* productTitle(const Game& g, int k);

}  // namespace cw
