// Game publishers: the companies that take the player's games to the shops.
#pragma once

#include <string>
#include <vector>

#include "state/game.h"
#include "state/player.h"

namespace cw {

// The terms a publisher offers, from its size and its company number i.
int PublisherSize(const Game& g, int i);
int AdvertisingLevel(const Game& g, int i);
std::string AdvertisingWord(int level);
int PublisherOutput(const Game& g, int i);
int PublisherShare(const Game& g, int i);

// One row of the publisher list ("Publisher", "% of sales", "Weekly OutPut",
// "Advertising", "Id").
struct PublisherOffer {
    std::string name;
    int share = 0;
    int output = 0;
    std::string advertisingWord;
    int id = 0;  // company number
};

// Every company that publishes games this year, in company order.
std::vector<PublisherOffer> publisherOffers(const Game& g);

// The text of the "Publisher Deal" question for an offer with or without
// advertising.
std::string publisherDealText(const PublisherOffer& o, bool withAdvertising);

// The terms of offer `o` written into a game record: publisher, share,
// output, advertising and the hype it brings; `draw` is the random(5) the
// hype of an advertised deal takes (unused without advertising).
void applyPublisherTerms(const Game& g, GameTitle& game, const PublisherOffer& o, bool withAdvertising, int draw);

// The offer a game gets when its publisher list closed without a deal (the
// first one, with advertising); false when nobody publishes games.
bool defaultPublisherOffer(const Game& g, PublisherOffer& out);

// Signs the offer for game task `task` with the terms shown. Refuses (with
// the notification) when the game already has a publisher; returns false
// then, or when the task holds no game.
bool signPublisherDeal(Game& g, Player& p, int task, const PublisherOffer& o, bool withAdvertising);

// A click on row `row` (0-based) of the list: the two questions of the deal.
void OfferDeal(Game& g, Player& p, int task, int row);

// The game task whose publisher list is open, 0 when none is.
int openPublisherTask();

// Shows the publisher list for game task `task` and returns how many
// publishers it offered; a deal signed there sets the game's companyRow.
int ShowPublisherOffers(Game& g, Player& p, int task);

// The deal a game gets when its publisher list closed without one: the
// first offer, with advertising. False when nobody publishes games.
bool signDefaultPublisher(Game& g, Player& p, int task);

}  // namespace cw
