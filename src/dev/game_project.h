// The "Game Development" screen's model: the genre and platform lists, the
// team leader and freelancers, the extras, music and sliders, the live work
// estimate and "Start development", which creates the game task.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "state/action.h"
#include "state/game.h"
#include "state/player.h"

namespace cw {

// True when a platform released in (year, week) may be chosen now: released
// already, this year or next year up to its release week.
bool platformOffered(const Game& g, i32 year, i32 week);

// The four estimate values, in work units.
struct GameEstimateValues {
    i32 total = 0;
    i32 programming = 0;
    i32 design = 0;
    i32 graphics = 0;
};

// The work a game of this genre needs for the platform whose tools apply,
// with the research amounts (25..100 each) and the extras' score.
GameEstimateValues gameEstimate(const Game& g, int genre, int toolPlatform, const std::array<i32, 3>& research,
                                int extrasScore);

enum class Extra { GameEditor, ModEditor, Multiplayer, Network, Mmo, Cutscene, Voice, Celebrity };
inline constexpr int kExtraCount = 8;
// The check box captions; the network's depends on the year.
std::string extraCaption(Extra e, i32 year);
std::string networkCaption(i32 year);
std::string musicCaption(int level);  // levels 0..4
// The score of the technical extras as the game record keeps it.
int extrasScoreOf(const std::array<bool, kExtraCount>& checked);

// Moves slider `moved` of a group of three and brings the other two back to
// a sum of 100, one step each in turn, never below `low` nor above `high`.
// When the others cannot give enough, the moved one gives way.
void keepSum100(std::array<i32, 3>& values, int moved, i32 value, i32 low, i32 high);

// The cost of a paid extra this year for a draw of 0..49.
i32 paidExtraCost(i32 year, i32 draw);

class DevelopmentScreen {
public:
    struct GenreItem {
        int genre;  // 0 for the "Choose genre" line
        std::string text;
    };
    struct PlatformLine {
        int platform;  // 0 for the "no engine" line
        std::string text;
        int rating;  // the player's engine rating, 0 without an engine
        bool checked;
    };
    struct SequelRow {
        i32 year;
        i32 slot;
        std::string name;
        std::string fans;
        i32 earnings;
    };

    explicit DevelopmentScreen(Game& g);

    // Opening the screen starts from a clean sheet.
    void open();

    // --- what the screen shows ---
    const std::vector<GenreItem>& genres() const { return genres_; }
    int genreRow() const { return genreRow_; }
    int genre() const { return genre_; }
    const std::vector<PlatformLine>& platformLines() const { return lines_; }
    bool platformListEnabled() const { return listEnabled_; }
    // The warning above the list when the genre has no engine at all.
    const std::string& engineNote() const { return engineNote_; }
    int checkedCount() const;
    int chosenPlatform() const { return chosenPlatform_; }
    bool startEnabled() const;
    // Why "Start development" is greyed out, for the button's hint.
    std::string startDisabledReason() const;

    const std::string& name() const { return name_; }
    int leader() const { return leader_; }
    std::string leaderText() const;
    bool freelancersEnabled() const { return leader_ > 0; }
    int freelancers() const { return freelancers_; }
    int freelancersMax() const;
    std::string freelancerCostText() const;

    bool extra(Extra e) const { return extras_[static_cast<std::size_t>(e)]; }
    // Actors, Voice and Endorse are hidden for a sequel.
    bool paidExtrasShown() const { return !sequel_; }
    int music() const { return music_; }
    const std::array<i32, 3>& focus() const { return focus_; }
    const std::array<i32, 3>& research() const { return research_; }

    const GameEstimateValues& estimate() const { return estimate_; }
    bool estimateShown() const { return genre_ > 0; }
    // The label values: an area's estimate per worker-week, times platforms.
    i32 shownTotal() const;
    i32 shownArea(int area) const;  // 0 programming, 1 design, 2 graphics
    std::vector<std::string> estimateLines() const;

    bool sequelChosen() const { return sequel_; }
    i32 sequelYear() const { return sequelYear_; }
    i32 sequelSlot() const { return sequelSlot_; }
    std::vector<SequelRow> sequelRows() const;

    // Set by a refusal that wants the name field focused.
    bool wantsNameFocus() const { return focusName_; }
    int createdTask() const { return createdTask_; }

    // --- the player's changes ---
    void setName(std::string name) { name_ = std::move(name); }
    void chooseGenre(int row);
    // Returns whether the line is checked afterwards (a fourth is refused).
    bool checkPlatform(int line, bool checked);
    // "Find": the staff picker; true when somebody was chosen.
    bool findLeader(Player& p);
    // The leader as the picker returns him; refused for a person who is not
    // the company's or already on a project.
    ActionResult setLeader(int person);
    void setFreelancers(int n);
    void setExtra(Extra e, bool on);
    void cycleMusic();
    void moveFocus(int which, i32 value);
    void moveResearch(int which, i32 value);
    // A setting the focus sliders can reach: three values 1..98 summing to
    // 100; false (and nothing changes) for any other.
    bool setFocus(const std::array<i32, 3>& v);
    // "Choose game" in the sequel list; false for a title not in it.
    bool chooseSequel(i32 year, i32 slot);

    // "Start development". Empty result: the game task was created
    // (createdTask()) and the screen closes.
    ActionResult startDevelopment(Player& p);

private:
    void fillGenres();
    void fillPlatforms();
    void recompute();

    Game& g_;
    std::vector<GenreItem> genres_;
    std::vector<PlatformLine> lines_;
    std::vector<int> checkOrder_;  // platform lines in the order they were checked
    int genreRow_ = 0;
    int genre_ = 0;
    int chosenPlatform_ = 0;
    bool listEnabled_ = false;
    bool refillNeeded_ = false;
    std::string engineNote_;
    std::string name_;
    int leader_ = 0;
    int freelancers_ = 0;
    std::array<bool, kExtraCount> extras_{};
    int music_ = 0;
    std::array<i32, 3> focus_{34, 33, 33};
    std::array<i32, 3> research_{25, 25, 25};
    bool sequel_ = false;
    i32 sequelYear_ = 0;
    i32 sequelSlot_ = 0;
    GameEstimateValues estimate_;
    bool focusName_ = false;
    int createdTask_ = 0;
};

// The "Employee Reseach Amount" sliders of game task `task`, moved in the
// core phase (the task panel and "Project properties" both call this).
// Refuses a task that is no game in development, a game in its finishing
// phase and amounts outside 25..100.
ActionResult setGameResearch(Game& g, int task, const std::array<i32, 3>& research);

}  // namespace cw
