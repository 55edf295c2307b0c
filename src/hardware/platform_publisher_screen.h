// The platform publisher screen (`Tform_platformPublisher`) of a console in
// development: the game companies with their planned and released titles,
// the deals signed, and the talks with one company. The Qt screen and the
// headless driver show this model and press its actions.
#pragma once

#include <string>
#include <vector>

#include "state/action.h"
#include "state/game.h"
#include "state/player.h"

namespace cw {

// One row of the company grid ("Publisher", "Planned Games", "Released",
// "Id", "HG").
struct PlatformPublisherRow {
    std::string name;
    int planned = 0;
    int released = 0;
    int id = 0;        // Companies index
    int hitGames = 0;  // titles reviewed above 90
};

enum class TalkColour { Normal, Green, Yellow, Red };

class PlatformPublisherScreen {
public:
    PlatformPublisherScreen(Game& g, int task);

    int task() const { return task_; }
    // The task still designs a new console; the screen has nothing to do otherwise.
    bool valid() const;
    std::string platformName() const;

    static const std::vector<std::string>& columns();
    const std::vector<PlatformPublisherRow>& rows() const { return rows_; }
    // A header click: sorts by that column, the direction alternating.
    void sortBy(int column);
    // The row of company `id`, -1 when it is not listed.
    int rowOf(int id) const;

    // "Name(3)" for each signed company, and "2/3" beside the list.
    std::vector<std::string> dealLines() const;
    std::string dealCountText() const;

    // A click on grid row `row` (0-based). True when the talks began (the
    // negotiation box shows); refusals go to the player as notices.
    bool choose(Player& p, int row);
    bool negotiating() const { return negotiating_; }
    int company() const { return company_; }
    const std::string& infoText() const { return info_; }
    int mood() const { return mood_; }
    int pricePerGame() const { return pricePerGame_; }
    int askedPrice() const { return askedPrice_; }
    int maxGames() const { return maxGames_; }
    int hitGames() const { return hitGames_; }
    const std::string& topGames() const { return topGames_; }
    std::string moodText() const;
    TalkColour moodColour() const;
    const std::string& comment() const { return comment_; }
    TalkColour commentColour() const { return commentColour_; }
    // The offer and games fields and "Suggest" take input.
    bool offerEnabled() const { return negotiating_ && offerEnabled_; }
    bool canMakeDeal() const { return negotiating_ && dealReady_; }

    std::string offerField;  // "150000" when the talks begin
    std::string gamesField;  // "1"

    // "Suggest": the counter-offer of the two fields. True when accepted.
    bool suggest(Player& p);
    // "Make Deal": signs and pays the accepted offer.
    ActionResult makeDeal(Player& p);
    // "Cancel": closes the negotiation box.
    void cancel();

private:
    void drawPrice();
    void moodStep();
    void build();

    Game& g_;
    int task_;
    std::vector<PlatformPublisherRow> rows_;
    int sortColumn_ = -1;
    bool sortDescending_ = false;

    bool negotiating_ = false;
    int company_ = 0;
    int mood_ = 0;
    int hitGames_ = 0;
    int pricePerGame_ = 0;
    int askedPrice_ = 0;
    int offer_ = 0;
    int gamesOffered_ = 0;
    int maxGames_ = 0;
    std::string topGames_;
    std::string info_;
    std::string comment_;
    TalkColour commentColour_ = TalkColour::Normal;
    bool offerEnabled_ = false;
    bool dealReady_ = false;
};

}  // namespace cw
