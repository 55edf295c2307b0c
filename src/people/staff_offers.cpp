// The two weekly steps about the staff's pay: the yearly wage review and the
// computer-run companies' job offers.
#include <algorithm>
#include <cctype>

#include "people/people_generation.h"
#include "people/staff_management.h"
#include "state/inbox.h"
#include "state/save_ranges.h"

namespace cw {
namespace {

using People = decltype(SaveImage::people);
using Tasks = decltype(SaveImage::tasks);

// salary × percent div 100, worked out wide so that a large wage cannot
// overflow on the way; the result is held to the wages a save may hold.
i32 percentOf(i32 salary, i32 percent) {
    const long long v = static_cast<long long>(salary) * percent / 100;
    return static_cast<i32>(std::clamp<long long>(v, INT32_MIN, kLargestSalary));
}

bool nameHasYou(const Person& p) {
    std::string n = p.name.str();
    for (char& c : n) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return n.find("*YOU*") != std::string::npos;
}

i32 filledCompanySlots(const Company& c) {
    i32 n = 0;
    for (i32 s : c.staff)
        if (s != 0) ++n;
    return n;
}

void takeFirstEmptySlot(Company& c, i32 person) {
    for (i32& s : c.staff)
        if (s == 0) {
            s = person;
            return;
        }
}

std::string offerText(const Game& g, i32 index, i32 level) {
    const Person& p = g.tables().people[index];
    const std::string name = p.name.str();
    const std::string offered = std::to_string(percentOf(p.salary, 105));
    const std::string keep = std::to_string(percentOf(p.salary, 100 + 6 * level));
    const i32 task = p.currentTask;
    if (task < 1 || !Tasks::inRange(task))
        return "Your employee " + name + " got a new job offer " + "\r\n" + "They offer him a monthly salary of " +
               offered + "$ " + "\r\n" +
               "Currently the employee is not attached to any projects/task in your company. " + "\r\n" +
               "You can keep the employee by offering a monthly salary of " + keep + "$" + "\r\n" + "Keep employee ?";
    const Task& t = g.tables().tasks[task];
    if (t.leader == index)
        return "Your employee " + name + " got a new job offer. " + "\r\n" + "They offer him a monthly salary of " +
               offered + "$. " + "\r\n" + "The employee is Team leader on the project/task " + t.name.str() + "\r\n" +
               ".WARNING. the project will be canceled if you let this employee go!!." + "\r\n" +
               "You can keep the employee with a monthly salary of " + keep + "$" + "\r\n" + "Keep employee ?";
    return "Your employee " + name + " got a new job offer" + "\r\n" + "They offer him a monthly salary of " + offered +
           "$. " + "\r\n" + "The employee is attached to the project/task " + t.name.str() + ". " + "\r\n" +
           "You can keep the employee by offering a monthly salary of " + keep + "$." + "\r\n" + " Keep employee ?";
}

// One company's round of tries; the draws follow the tries in order.
void huntForStaff(Game& g, Player& pl, i32 company, i32 rows, i32 level) {
    auto& people = g.tables().people;
    Company& c = g.tables().companies[company];
    auto draw = [&](i32 n) { return g.rng.randomInt(n); };
    auto pickPerson = [&] { return 1 + draw(rows - 2); };
    auto playersEmployee = [&](i32 q) { return People::inRange(q) && people[q].employed && !nameHasYou(people[q]); };
    for (i32 attempt = 1; attempt <= 30 * level; ++attempt) {
        // A company whose ten places are taken has nobody to put anywhere;
        // hiring on would leave a person working for it in no place at all.
        if (filledCompanySlots(c) >= 10) return;
        i32 p = pickPerson();
        if (!People::inRange(p) || people[p].name.empty()) continue;
        if (people[p].employerCompany == company) continue;
        if (level >= 2) {
            const i32 picks = level == 2 ? 11 : 51;
            i32 q = p;
            for (i32 k = 1; k <= picks; ++k) {
                if (k > 1) q = pickPerson();
                if (playersEmployee(q)) {
                    p = q;
                    break;
                }
            }
        }
        Person& person = people[p];
        if (person.employed) {
            if (level == 1) continue;
            const i32 bonus = static_cast<i32>(static_cast<long long>(level) * 30 * person.salary / 100);
            if (!(static_cast<long long>(startingWage(g, person)) + bonus > person.salary)) continue;
            const bool keep = pl.messageBox("Job offer", offerText(g, p, level), true);
            if (keep) {
                person.salary = percentOf(person.salary, 100 + 6 * level);
                continue;
            }
            person.salary = percentOf(person.salary, 105);
            const i32 task = person.currentTask;
            if (Tasks::inRange(task) && g.tables().tasks[task].leader == p)
                cancelTaskOfPerson(g, pl, p);
            else
                removeFromTask(g, pl, p, false);
            person.employed = 0;
            person.interviewCooldown = 12;
            person.employerCompany = company;
            person.currentTask = -1;
            takeFirstEmptySlot(c, p);
            pl.refreshMainScreen();
            return;
        }
        if (draw(4 * level) < 2) {
            person.salary = percentOf(person.salary, 102);
            const i32 old = person.employerCompany;
            if (old > 0 && decltype(SaveImage::companies)::inRange(old))
                for (i32& s : g.tables().companies[old].staff)
                    if (s == p) s = 0;
            person.employerCompany = company;
            person.currentTask = -1;
            takeFirstEmptySlot(c, p);
        }
    }
}

}  // namespace

void yearlyWageReview(Game& g, Player& p) {
    const World& w = g.world();
    const i32 level = w.gameLevel;
    for (i32 i = People::first; i <= People::last; ++i) {
        Person& person = g.tables().people[i];
        if (!person.employed || nameHasYou(person)) continue;
        if (!(person.hireWeek <= g.currentWeek && person.hireYear < g.currentYear)) continue;
        const i32 old = person.salary;
        const i32 step = percentOf(person.salary, level);
        long long raised = static_cast<long long>(person.salary) + step;
        std::string note;
        if (person.studyWeeksLeft > 0) {
            raised += step;
            note += "\r\nWhen hiring the employee you promised more study time. The employee still have " +
                    std::to_string(person.studyWeeksLeft) +
                    " Week(s) left of styding. Therefor you agreed to give the employee an extra raise in the wage. "
                    "Make sure you handle this issue in the coming year by giving the employee time for study. ";
        }
        if (person.leadWeeksLeft > 0) {
            raised += step;
            note += std::string("\r\n") +
                    "When hiring the employee you promised the employee more time as a team leader on task and "
                    "projects. The employee still have " +
                    std::to_string(person.leadWeeksLeft) +
                    " Week(s) left of promised managing. Therefor you agreed to give the employee an extra raise in "
                    "the wage.  Make sure you handle this issue in the coming year by assigning the employee as team "
                    "leader on projects";
        }
        raised = std::min<long long>(raised, kLargestSalary);
        if (g.session.inboxOptions.mailOnWageChange)
            postLetter(g, p, "NOTE : Employee wage",
                       "FYI : You and " + person.name.str() + " agreed on a raise of wage from " + std::to_string(old) +
                           " to " + std::to_string(raised) + note);
        person.salary = static_cast<i32>(raised);
        person.hireYear = g.currentYear;
    }
}

void competitorHiring(Game& g, Player& p) {
    const i32 level = std::clamp<i32>(g.world().gameLevel, 1, 3);
    const i32 rows = peopleListRows(g);
    auto& companies = g.tables().companies;
    for (i32 i = 1; i <= 500; ++i) {
        const Company& c = companies[i];
        if (c.firstYear > g.currentYear || c.name.empty()) continue;
        const i32 wanted = std::clamp(c.gameCount / 25, 1, 10);
        const i32 filled = filledCompanySlots(c);
        if (filled >= wanted || filled >= 10) continue;
        huntForStaff(g, p, i, rows, level);
    }
}

}  // namespace cw
