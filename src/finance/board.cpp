#include "finance/board.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "finance/bank.h"
#include "state/save_ranges.h"

namespace cw {
namespace {

std::string num(i32 v) { return std::to_string(v); }

i32 level(const World& w) { return std::clamp<i32>(w.gameLevel, 1, 3); }

bool anyOwnEngine(const World& w) {
    for (const auto& byGenre : w.ownEngines)
        for (const EngineSlot& e : byGenre)
            if (!e.name.empty()) return true;
    return false;
}

// A player's title of the years first..last that passes `test`.
template <typename Test>
bool anyPlayersTitle(const Game& g, int first, int last, Test test) {
    const auto& titles = g.tables().gameTitles;
    for (int y = std::max(first, 1977); y <= std::min(last, 2015); ++y)
        for (const GameTitle& t : titles[y])
            if (t.isPlayers && test(t)) return true;
    return false;
}

void setGoal(World& w, const std::string& text, BoardGoalKind kind) {
    w.companyGoalText = text;
    w.boardGoalType = kind;
}

void chartGoal(World& w, i32 position) {
    setGoal(w, "Make a game that gets at least a top " + num(position) + " position on the charts", GoalChartPosition);
    w.boardGoalChartPos = position;
}

void halfLoanGoal(World& w) {
    setGoal(w, "Bring down company bank Loan to " + num(w.loan / 2 + 1) + "$", GoalLoan);
    w.boardGoalAmount = w.loan / 2;
}

bool containsNoCase(const std::string& text, const std::string& part) {
    auto it = std::search(text.begin(), text.end(), part.begin(), part.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
    return it != text.end();
}

}  // namespace

bool boardGoalAchieved(const Game& g) {
    const World& w = g.world();
    switch (w.boardGoalType) {
        case GoalEngine:
            return anyOwnEngine(w);
        case GoalFirstGame:
            return anyPlayersTitle(g, 1980, g.currentYear, [](const GameTitle&) { return true; });
        case GoalChartPosition:
            // A position of 0 is a title that never entered the charts, not a
            // place above the first.
            return anyPlayersTitle(g, g.currentYear - 1, g.currentYear, [&w](const GameTitle& t) {
                return t.bestChartPos >= 1 && t.bestChartPos <= w.boardGoalChartPos;
            });
        case GoalCash:
            return static_cast<std::int64_t>(w.money) - w.loan > w.boardGoalAmount;
        case GoalHeadquarters:
            return w.headquartersLevel >= w.boardGoalLevel;
        case GoalFactory:
            return w.factoryLevel >= 1;
        case GoalLoan:
            return w.loan < w.boardGoalAmount;
        default:
            return true;
    }
}

void resetBoardGoal(Game& g) {
    World& w = g.world();
    w.boardGoalType = GoalNone;
    w.boardGoalAmount = 0;
    w.boardGoalChartPos = 0;
    w.boardGoalLevel = 0;
    w.boardGoalYearsLeft = 0;
    w.companyGoalText = "";
}

void nextBoardGoal(Game& g) {
    World& w = g.world();
    if (w.boardGoalType == GoalNone) ++w.boardGoalNumber;
    const i32 n = w.boardGoalNumber;
    const i32 L = level(w);
    const bool ample = maxCredit(g) > 2 * (static_cast<std::int64_t>(w.loan) + 1);
    if (n == 2) {
        setGoal(w, "Make your first game. For one or more of current platforms", GoalFirstGame);
    } else if (n == 3) {
        if (350000 + g.rng.randomInt(50000) < availableCredit(g))
            chartGoal(w, 80);
        else
            halfLoanGoal(w);
    } else if (n == 4) {
        if (w.money > 1500000) {
            chartGoal(w, 70);
        } else {
            setGoal(w, "Company Cash (deducted with company loan) should exceed 1.5 mill.", GoalCash);
            w.boardGoalAmount = 1500000;
        }
    } else if (n == 5) {
        if (ample)
            chartGoal(w, 60);
        else
            halfLoanGoal(w);
    } else if (n == 6) {
        if (ample) chartGoal(w, 60 - 10 * L);
    } else if (n == 7) {
        if (w.headquartersLevel < 3) {
            setGoal(w, "Upgrade Company Headquater. Company needs to expand to attract the best people",
                    GoalHeadquarters);
            w.boardGoalLevel = w.headquartersLevel + 1;
        }
    } else if (n == 8) {
        if (ample)
            chartGoal(w, 50 - 10 * L);
        else
            halfLoanGoal(w);
    } else if (n == 9) {
        if (ample)
            chartGoal(w, 40 - 10 * L);
        else
            halfLoanGoal(w);
    } else if (n == 10) {
        if (w.factoryLevel < 1) {
            setGoal(w, "build a factory. Company owners would like to expand into the platfom business", GoalFactory);
            w.boardGoalLevel = w.headquartersLevel + 1;
        }
    } else if (n >= 11) {
        if (w.loan >= 1000000) {
            setGoal(w, "Bring down company bank Loan to less than 100000$", GoalLoan);
            w.boardGoalAmount = 100000;
        } else if (w.money > 1000000) {
            // Widened: a company near the cash cap must not get a negative target.
            const i32 target =
                static_cast<i32>(std::min<std::int64_t>(static_cast<std::int64_t>(w.money) + 1000000, INT32_MAX));
            setGoal(w, "Company Cash (deducted with company loan) should exceed " + num(target) + "$", GoalCash);
            w.boardGoalAmount = target;
        } else {
            setGoal(w, "Company Cash (deducted with company loan) should exceed 1.000.000 $", GoalCash);
            w.boardGoalAmount = 1000000;
        }
    }
}

void holdBoardMeeting(Game& g, Player& p) {
    World& w = g.world();
    const i32 L = level(w);
    const std::string company = w.companyName.str();
    const bool achieved = boardGoalAchieved(g);
    if (achieved && w.boardOpinion >= 99) w.boardOpinion = 98;
    std::string text;
    if (w.boardOpinion < 99) {
        if (w.boardGoalNumber == 0) {
            resetBoardGoal(g);
            w.boardGoalNumber = 1;
            const i32 years = (100 - w.boardOpinion) / (7 * L + 10);
            w.companyGoalText = "Make an engine. For one or more of current platforms";
            w.boardGoalType = GoalEngine;
            w.boardGoalYearsLeft = years;
            text = "Welcome to our First annual board Meeting in " + company + "\r\n\r\n" +
                   "Our Intermediate goal will be : " + w.companyGoalText.str() + "\r\n" +
                   "We expect the engine to finished in maximum " + num(years) + " Year(s)" + "\r\n" + "\r\n" + "\r\n" +
                   "Our financial situation is healthy at the moment.";
        } else {
            w.boardGoalYearsLeft -= 1;
            text = "Welcome to our annual board Meeting in " + company + "\r\n\r\n" +
                   "First up our current main Goal for the previous year :" + "\r\n" + w.companyGoalText.str() +
                   "\r\n\r\n";
            if (achieved) {
                w.boardOpinion = std::max(1, w.boardOpinion / 2);
                resetBoardGoal(g);
                const i32 years = std::max(1, (100 - w.boardOpinion) / (7 * L + 10));
                w.boardGoalYearsLeft = years;
                nextBoardGoal(g);
                text += "\r\n" + std::string("Fantastic. Goal completed!.") + "\r\n" +
                        "The next years Goal is :" + w.companyGoalText.str() + "\r\n" +
                        "We expect to reach the goal in maximum " + num(years) + " Year(s)" + "\r\n\r\n";
            } else if (w.boardGoalYearsLeft <= 0) {
                text += "\r\n" +
                        std::string(
                            "You did not manage to achieve our company goal in time! We will extend it by a "
                            "year and hope that you be able to have a positiv result for us by the end of "
                            "this year") +
                        "\r\n";
                w.boardOpinion += 7 * L + 10;
                w.boardGoalYearsLeft += 1;
            } else {
                text += "\r\n" + std::string("Our goal remains :") + w.companyGoalText.str();
                if (w.boardGoalYearsLeft >= 2)
                    text += "\r\n" + std::string("Our aim is to complete this goal in ") + num(w.boardGoalYearsLeft) +
                            " years";
                else
                    text += "\r\n" + std::string("The aim is to finish the goal this year");
                w.boardOpinion += 2 * L;
            }
            text += "\r\n\r\n" + std::string("Our financial situation at the moment ") + financialSituationText(g) +
                    "\r\n\r\n" + "If the mangement of " + company +
                    " does not archieve current goal we will most likely be forced to hire a new management";
        }
    }
    g.session.boardMeetingText = text;
    p.showModal(ScreenId::BoardMeeting);
}

BoardMeetingScreen boardMeetingScreen(const Game& g) {
    const World& w = g.world();
    BoardMeetingScreen s;
    s.picture = w.headquartersLevel < 2 ? "gfx\\bm1.jpg" : w.headquartersLevel == 2 ? "gfx\\bm2.jpg" : "gfx\\bm3.jpg";
    s.text = g.session.boardMeetingText;
    s.barValue = std::clamp(w.boardOpinion + 2, 0, 100);
    return s;
}

const char* opinionBarWord(int barValue) {
    if (barValue < 34) return "Good";
    if (barValue < 67) return "Neutral";
    return "Bad";
}

void yearEndPeopleStep(Game& g, Player& p) {
    if (g.currentWeek != 52) return;
    World& w = g.world();
    const i32 r = g.rng.randomInt(100);
    if (r <= 90) {
        if (w.costIndex < 115) w.costIndex += 1 + g.rng.randomInt(2);
    } else {
        if (w.costIndex > 95) w.costIndex -= g.rng.randomInt(2);
    }
    auto& people = g.tables().people;
    for (Person& person : people) {
        ++person.age;
        if (!containsNoCase(person.name.str(), "*You* (")) continue;
        const int age = person.age;
        if (age < 65) {
            p.askDialog("Retirement",
                        "For age reasons you will be retired in " + num(65 - age) + " by the board of directors", false,
                        false);
        } else if (age == 65) {
            p.askDialog("Retirement", "This is your last year as managing director.", false, false);
        } else {
            p.askDialog("Retirement", "You was replaced as managing director.", false, false);
            showEndScreen(g, p);
            return;
        }
    }
    for (Person& person : people)
        if (!person.employed)
            person.salary = static_cast<i32>(
                std::min<long long>(static_cast<long long>(person.salary / 100) * w.costIndex, kLargestSalary));
}

}  // namespace cw
