// The "Hire/view Employees" screen's model: the candidate list with its
// filters and sorting, the person sheet and the job interview. The Qt screen
// and the headless driver show this model and forward clicks to it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "refdata/reference_tables.h"
#include "state/action.h"
#include "state/game.h"
#include "state/player.h"

namespace cw {

// The candidate sheet for the person, lines ended by "\r\n".
std::string personSheet(const Game& g, i32 person);

// The texts of the filter boxes, in item order.
extern const std::array<const char*, 4> kWorkAreaItems;  // items 0..3 = areas 1..4
extern const std::array<const char*, 3> kRatingItems;    // "All", "Max 45", "Max 60"
extern const std::array<const char*, 6> kSkillItems;     // "Any" .. "Leadership"
extern const std::array<const char*, 5> kCandidateColumns;
// "NO", "LITTLE", "SOME", "MUCH" for the study and managing choices 0..3.
extern const std::array<const char*, 4> kChoiceWords;

enum SkillItem { SkillAny, SkillProgramming, SkillDesign, SkillGraphics, SkillHardware, SkillLeadership };

struct CandidateFilter {
    i32 workArea = 1;    // 1 software .. 4 misc.
    i32 ratingItem = 0;  // 0 "All", 1 "Max 45", 2 "Max 60"
    i32 skill = SkillAny;
    i32 level = 0;  // 1..9; 0 = blank, any level

    // The level box only takes a value when a skill is chosen.
    bool levelEnabled() const { return skill != SkillAny; }
};

// The level 1.. a person has in the filter's skill.
i32 skillFilterLevel(const Person& p, i32 skill);
bool candidateListed(const Game& g, const Person& p, const CandidateFilter& f);

struct CandidateRow {
    i32 person = 0;
    // "Name", "Monthly Salary", "Hired by", "overall Rating", "ID"
    std::array<std::string, 5> cells;
};

// The interview's state; it lives while the screen is open and is never saved.
struct Interview {
    enum class Answer { None, Accepted, Refused };

    bool open = false;
    i32 person = 0;
    i32 negotiationMood = 0;
    i32 askingWage = 0;
    i32 companyAppeal = 0;
    i32 offeredWage = 0;
    i32 oneOffPayment = 0;
    i32 studyChoice = 0;     // 0..3
    i32 managingChoice = 0;  // 0..3
    bool freeCar = false;
    bool freePhone = false;
    bool freeComputer = false;

    std::string sheet;          // the candidate's sheet as the interview opened
    std::string openingAnswer;  // what the candidate said first
    std::string previousWage;   // "Previous wage :"
    std::string wageField;      // "Wage :", as typed
    std::string oneOffField;    // the non-recurring payment, as typed
    std::string moodText;       // "Employee Mood : ..." or "Employee lost interrested"
    bool lostInterest = false;  // the refusal picture is shown
    bool offerEnabled = false;  // the offer part: fields, choices, benefits, "Suggest" and "hire"
    bool hireEnabled = false;   // the final "hire" button
    std::string answer;         // the reply to the last "Suggest"
    Answer answerKind = Answer::None;
};

class HiringScreen {
public:
    explicit HiringScreen(Game& g, const ReferenceTables* ref = nullptr);

    // Showing the screen: the rating filter follows the headquarters, and the
    // list is built.
    void open();

    const CandidateFilter& filter() const { return filter_; }
    void setWorkArea(i32 area);
    void setRatingItem(i32 item);
    void setSkill(i32 skill);
    void setLevel(i32 level);

    const std::vector<CandidateRow>& rows() const { return rows_; }
    void rebuild();
    // A click on a column title; the direction alternates and the last sort
    // stays for later rebuilds.
    void sortBy(int column);
    int sortColumn() const { return sortColumn_; }
    bool sortAscending() const { return sortAscending_; }

    // Choosing a row: its sheet is shown as "Currently viewing".
    void select(i32 person);
    i32 viewing() const { return viewing_; }
    // "Move to -->": the viewed person becomes the person of interest.
    void moveToInterest();
    i32 personOfInterest() const { return interest_; }
    void setPersonOfInterest(i32 person) { interest_ = person; }

    // The person of interest already works for the player (hired here, or
    // the player's own person): the card says so and "Hire" is disabled,
    // since pressing it could open nothing.
    bool interestIsOwnStaff() const;
    bool hireEnabled() const { return !interestIsOwnStaff(); }

    // "Hire" (button): opens the interview, or refuses. A person already
    // employed opens nothing and refuses nothing.
    ActionResult hire(Player& p);
    // "Hire" in the row menu: the selected row becomes the person of interest first.
    ActionResult hireFromMenu(Player& p);

    const Interview& interview() const { return iv_; }
    void toggleStudy();
    void toggleManaging();
    void setFreeCar(bool on);
    void setFreePhone(bool on);
    void setFreeComputer(bool on);
    // "Suggest" with the wage and non-recurring fields as typed.
    ActionResult suggest(Player& p, const std::string& wageText, const std::string& oneOffText);
    // The final "hire"; true when the person was hired.
    bool confirmHire(Player& p);
    // "Cancel": closes the interview without effect.
    void cancel();

private:
    void patienceStep();
    void decide();
    void resetChoices();
    // Any change to an agreed offer needs a new "Suggest" before hiring.
    void offerChanged();

    Game& g_;
    const ReferenceTables* ref_;
    CandidateFilter filter_;
    std::vector<CandidateRow> rows_;
    int sortColumn_ = -1;
    bool sortAscending_ = false;
    i32 viewing_ = 0;
    i32 interest_ = 0;
    Interview iv_;
};

// The largest offer: far above any wage the labour market asks, and low
// enough that the wage bill of a full office and a payment taken from the
// cash stay far inside the money range.
inline constexpr i32 kLargestOfferedWage = 1'000'000;
inline constexpr i32 kLargestOneOffPayment = 10'000'000;

// Offer checks, exposed for the transcript and the tests.
i32 minimumWage(const Game& g);
i32 companyAppeal(const Game& g);
// The company size a candidate accepts: 45 at headquarters level 1, 65 at 2,
// anybody from 3 on.
i32 companyReach(const Game& g);
bool parseWholeNumber(const std::string& text, i32& value);

}  // namespace cw
