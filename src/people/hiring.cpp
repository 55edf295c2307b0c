#include "people/hiring.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

#include "people/labour_market.h"
#include "people/list_sort.h"
#include "state/money.h"

namespace cw {

const std::array<const char*, 4> kWorkAreaItems = {"Software area", "Hardware area", "Publishers area", "Misc."};
const std::array<const char*, 3> kRatingItems = {"All", "Max 45", "Max 60"};
const std::array<const char*, 6> kSkillItems = {"Any", "Programming", "Design", "Graphics", "Hardware", "Leadership"};
const std::array<const char*, 5> kCandidateColumns = {"Name", "Monthly Salary", "Hired by", "overall Rating", "ID"};
const std::array<const char*, 4> kChoiceWords = {"NO", "LITTLE", "SOME", "MUCH"};

namespace {

using People = decltype(SaveImage::people);

const std::array<const char*, 3> kKeenAnswers = {
    "I would very much like to hear what you have to offer me.", "I am interrested...\r\nWhat can you offer me ?",
    "I am very glad the you consider me for this job.\r\nWhat can you offer me ?"};
const std::array<const char*, 3> kEmployedAnswers = {
    "I am very happy with my current position and work\r\nWhat can you offer me ?",
    "I have a very good job\r\nWhat can you offer me ?",
    "Well, I am very happy at my current work, but I am always open to new suggestions\r\nWhat can you offer me ?"};
const std::array<const char*, 3> kAcceptAnswers = {"You have a deal. When can I start", "Yes. Its fine by me. When ",
                                                   "We have an agreement. Where do I sign"};
const std::array<const char*, 3> kRefuseAnswers = {"I don''t think so.", "I am not interrested.",
                                                   "Under these circumstances im not interrested."};

std::string employerName(const Game& g, const ReferenceTables* ref, i32 company) {
    if (company < 1) return {};
    if (ref && company < ref->List_LTDs.rowCount()) return ref->List_LTDs.cell(0, company);
    // A loaded game may not have imported the lists; the world keeps the same names.
    const auto& companies = g.tables().companies;
    return companies.inRange(company) ? companies[company].name.str() : std::string();
}

}  // namespace

bool parseWholeNumber(const std::string& text, i32& value) {
    std::size_t i = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
    if (i >= text.size()) return false;
    for (std::size_t k = i; k < text.size(); ++k)
        if (!std::isdigit(static_cast<unsigned char>(text[k]))) return false;
    // A number past the int32 range is not a number the game can hold.
    long long v = 0;
    const char* b = text.data() + (text[0] == '+' ? 1 : 0);
    const auto r = std::from_chars(b, text.data() + text.size(), v);
    if (r.ec != std::errc() || v < INT32_MIN || v > INT32_MAX) return false;
    value = static_cast<i32>(v);
    return true;
}

i32 minimumWage(const Game& g) { return (g.currentYear - 1976) * 100 + 1600; }

i32 companyAppeal(const Game& g) {
    const World& w = g.world();
    return std::min(5000, (w.money / 10 + w.headquartersLevel * 500000) / 1000);
}

i32 companyReach(const Game& g) {
    const i32 level = g.world().headquartersLevel;
    return level >= 3 ? 101 : 20 * level + 25;
}

std::string personSheet(const Game& g, i32 index) {
    if (!People::inRange(index)) return {};
    const Person& p = g.tables().people[index];
    std::string s;
    s += "Name : " + p.name.str() + "\r\n";
    s += "Age   : " + std::to_string(p.age) + ", Wage  : " + std::to_string(p.salary) + "\r\n";
    s += p.employerCompany >= 1 ? "Hired : Yes\r\n\r\n" : "Hired : No\r\n\r\n";
    s += "Experince\r\n";
    s += "LeaderShip  : " + personRatingWord(p.leadership) + "\r\n";
    if (p.workArea == 1 || p.workArea == 4) {
        s += "Programming : " + skillLevelWord(p.programming) + "\r\n";
        s += "Design      : " + skillLevelWord(p.design) + "\r\n";
        s += "Graphics    : " + skillLevelWord(p.graphics) + "\r\n";
        const auto& genres = g.tables().genres;
        s +=
            "Genre Spec. : " + (genres.inRange(p.genreExperience) ? genres[p.genreExperience].name.str() : "") + "\r\n";
        if (p.workArea == 1) {
            const auto& platforms = g.tables().platforms;
            const bool known =
                platforms.inRange(p.platformExperience) && platforms[p.platformExperience].releaseYear <= g.currentYear;
            s += "Platform    : " + (known ? platforms[p.platformExperience].name.str() : "None") + "\r\n";
        } else {
            s += "Hardware    : " + personRatingWord(p.hardware) + "\r\n";
        }
    } else if (p.workArea == 2) {
        s += "Hardware     : " + personRatingWord(p.hardware) + "\r\n";
    } else if (p.workArea == 3) {
        s += "Publishing   : " + personRatingWord(p.publishing) + "\r\n";
    }
    s += "\r\nFlair for study\r\n";
    s += "Leadership : " + personRatingWord(p.talentLeadership) + "\r\n";
    s += "Software   : " + personRatingWord((p.talentDesign + p.talentGraphics + p.talentProgramming) / 3) + "\r\n";
    s += "Hardware   : " + personRatingWord(p.talentHardware) + "\r\n";
    return s;
}

i32 skillFilterLevel(const Person& p, i32 skill) {
    i32 level = 0;
    switch (skill) {
        case SkillProgramming:
            level = p.programming;
            break;
        case SkillDesign:
            level = p.design;
            break;
        case SkillGraphics:
            level = p.graphics;
            break;
        case SkillHardware:
            level = p.hardware / 20 + 1;
            break;
        case SkillLeadership:
            level = p.leadership / 20 + 1;
            break;
        default:
            break;
    }
    return std::max(level, 1);
}

bool candidateListed(const Game& g, const Person& p, const CandidateFilter& f) {
    if (p.name.empty() || p.labourMarketYear > g.currentYear) return false;
    if (f.ratingItem > 0 && p.overallRating > 15 * f.ratingItem + 30) return false;
    if (f.skill != SkillAny && f.level >= 1 && skillFilterLevel(p, f.skill) != f.level) return false;
    return p.workArea == f.workArea && !p.employed;
}

HiringScreen::HiringScreen(Game& g, const ReferenceTables* ref) : g_(g), ref_(ref) {}

void HiringScreen::open() {
    const i32 level = g_.world().headquartersLevel;
    filter_.ratingItem = (level == 1 || level == 2) ? level : 0;
    rebuild();
}

void HiringScreen::setWorkArea(i32 area) {
    filter_.workArea = std::clamp(area, 1, 4);
    if (filter_.workArea == 1) filter_.skill = SkillProgramming;
    if (filter_.workArea == 2) filter_.skill = SkillHardware;
    rebuild();
}

void HiringScreen::setRatingItem(i32 item) {
    filter_.ratingItem = std::clamp(item, 0, 2);
    rebuild();
}

void HiringScreen::setSkill(i32 skill) {
    filter_.skill = std::clamp(skill, 0, 5);
    if (filter_.skill == SkillAny) filter_.level = 0;
    rebuild();
}

void HiringScreen::setLevel(i32 level) {
    filter_.level = filter_.levelEnabled() ? std::clamp(level, 0, 9) : 0;
    rebuild();
}

void HiringScreen::rebuild() {
    rows_.clear();
    const auto& people = g_.tables().people;
    for (i32 i = People::first; i <= People::last; ++i) {
        const Person& p = people[i];
        if (!candidateListed(g_, p, filter_)) continue;
        CandidateRow row;
        row.person = i;
        row.cells = {p.name.str(), std::to_string(p.salary), employerName(g_, ref_, p.employerCompany),
                     std::to_string(p.overallRating), std::to_string(i)};
        rows_.push_back(std::move(row));
    }
    sortRowsByColumn(rows_, sortColumn_, sortAscending_);
}

void HiringScreen::sortBy(int column) {
    if (column < 0 || column >= static_cast<int>(kCandidateColumns.size())) return;
    sortAscending_ = sortColumn_ == column ? !sortAscending_ : true;
    sortColumn_ = column;
    rebuild();
}

void HiringScreen::select(i32 person) { viewing_ = People::inRange(person) ? person : 0; }

void HiringScreen::moveToInterest() {
    if (viewing_ > 0) interest_ = viewing_;
}

void HiringScreen::resetChoices() {
    iv_.studyChoice = 0;
    iv_.managingChoice = 0;
    iv_.freeCar = iv_.freePhone = iv_.freeComputer = false;
    iv_.oneOffField = "0";
}

void HiringScreen::patienceStep() {
    if (g_.rng.randomInt(10) > 2) --iv_.negotiationMood;
    const i32 m = iv_.negotiationMood;
    iv_.lostInterest = m <= 0;
    if (m > 4)
        iv_.moodText = "Employee Mood : Great";
    else if (m == 4)
        iv_.moodText = "Employee Mood : Ok";
    else if (m == 3)
        iv_.moodText = "Employee Mood : Getting Impatient";
    else if (m == 2)
        iv_.moodText = "Employee Mood : Impatient";
    else if (m == 1)
        iv_.moodText = "Employee Mood : Seems uninterested";
    if (m > 0) return;
    iv_.moodText = "Employee lost interrested";
    if (People::inRange(iv_.person))
        g_.tables().people[iv_.person].interviewCooldown = static_cast<u8>(10 + g_.rng.randomInt(10));
    // The final button belongs to the offer: a person who has lost interest
    // cannot be hired on an earlier acceptance either.
    iv_.offerEnabled = false;
    iv_.hireEnabled = false;
}

ActionResult HiringScreen::hire(Player& p) {
    // Every press starts a new interview; whatever an earlier one agreed is gone.
    iv_.open = false;
    iv_.hireEnabled = false;
    iv_.person = interest_;
    iv_.negotiationMood = 4 + g_.rng.randomInt(3);
    patienceStep();
    if (employeeCount(g_) >= officeCapacity(g_)) {
        Refusal r{"Office space", "No more office space available.\r\nUpdgrade Headquater, publisher or offices"};
        p.notify(r.caption, r.text, 4000);
        return r;
    }
    resetChoices();
    if (!People::inRange(interest_)) {
        Refusal r{"Choose worker", "You got to choose a worker before trying to hire"};
        p.notify(r.caption, r.text, 2000);
        return r;
    }
    Person& person = g_.tables().people[interest_];
    if (person.employed) return std::nullopt;

    iv_.open = true;
    iv_.sheet = personSheet(g_, interest_);
    iv_.companyAppeal = companyAppeal(g_);
    iv_.askingWage = person.employerCompany > 0 ? person.salary + person.salary / 3 : person.salary;
    iv_.offerEnabled = false;
    if (person.overallRating > companyReach(g_))
        iv_.openingAnswer =
            "I am not interrested in working for your company. Feel free to contact me when your "
            "company has expanded.";
    else if (person.neverAgain)
        iv_.openingAnswer = "I am not interrested in working for your company again.!!";
    else if (person.interviewCooldown > 0)
        iv_.openingAnswer = "To close to my latest job interview with your company. Try contacting me in a few months.";
    else {
        iv_.offerEnabled = true;
        if (person.salary <= iv_.companyAppeal)
            iv_.openingAnswer = kKeenAnswers[static_cast<std::size_t>(g_.rng.randomInt(3))];
        else if (person.employerCompany > 0)
            iv_.openingAnswer = kEmployedAnswers[static_cast<std::size_t>(g_.rng.randomInt(3))];
        else
            iv_.openingAnswer =
                "Im currently between jobs, but you company seems a bit small and frail.\r\nBut what "
                "can you offer me ?";
    }
    iv_.previousWage = std::to_string(iv_.askingWage);
    iv_.wageField = std::to_string(iv_.askingWage + 100);
    iv_.offeredWage = 0;
    iv_.oneOffPayment = 0;
    iv_.hireEnabled = false;
    iv_.answer.clear();
    iv_.answerKind = Interview::Answer::None;
    return std::nullopt;
}

bool HiringScreen::interestIsOwnStaff() const {
    return People::inRange(interest_) && g_.tables().people[interest_].employed;
}

ActionResult HiringScreen::hireFromMenu(Player& p) {
    if (viewing_ > 0) interest_ = viewing_;
    return hire(p);
}

void HiringScreen::offerChanged() {
    // The candidate agreed to the offer as it stood when "Suggest" was
    // pressed; taking a promise or a benefit back afterwards needs a new
    // suggestion before the contract can be signed.
    iv_.hireEnabled = false;
}

void HiringScreen::toggleStudy() {
    if (!iv_.offerEnabled) return;
    iv_.studyChoice = (iv_.studyChoice + 1) % 4;
    offerChanged();
}

void HiringScreen::toggleManaging() {
    if (!iv_.offerEnabled) return;
    iv_.managingChoice = (iv_.managingChoice + 1) % 4;
    offerChanged();
}

void HiringScreen::setFreeCar(bool on) {
    if (!iv_.offerEnabled || iv_.freeCar == on) return;
    iv_.freeCar = on;
    offerChanged();
}

void HiringScreen::setFreePhone(bool on) {
    if (!iv_.offerEnabled || iv_.freePhone == on) return;
    iv_.freePhone = on;
    offerChanged();
}

void HiringScreen::setFreeComputer(bool on) {
    if (!iv_.offerEnabled || iv_.freeComputer == on) return;
    iv_.freeComputer = on;
    offerChanged();
}

ActionResult HiringScreen::suggest(Player& p, const std::string& wageText, const std::string& oneOffText) {
    if (!iv_.open || !iv_.offerEnabled) return std::nullopt;
    iv_.wageField = wageText;
    iv_.oneOffField = oneOffText;
    i32 oneOff = 0, wage = 0;
    if (!parseWholeNumber(oneOffText, oneOff)) {
        Refusal r{"Error in non-recurring suggestion", "Keep the non-recurring suggestion numric"};
        p.notify(r.caption, r.text, 2000);
        return r;
    }
    // A negative payment would be paid to the company, not by it.
    if (oneOff < 0) {
        Refusal r{"Error in non-recurring suggestion", "The non-recurring suggestion cannot be negative"};
        p.notify(r.caption, r.text, 2000);
        return r;
    }
    if (oneOff > kLargestOneOffPayment) {
        Refusal r{"Error in non-recurring suggestion", "The non-recurring suggestion cannot be more than 10,000,000"};
        p.notify(r.caption, r.text, 2000);
        return r;
    }
    if (!parseWholeNumber(wageText, wage)) {
        Refusal r{"Error in suggested wage", "Keep the suggested wage numric"};
        p.notify(r.caption, r.text, 2000);
        return r;
    }
    if (wage < 0) {
        Refusal r{"Error in suggested wage", "The suggested wage cannot be negative"};
        p.notify(r.caption, r.text, 2000);
        return r;
    }
    if (wage > kLargestOfferedWage) {
        Refusal r{"Error in suggested wage", "The suggested wage cannot be more than 1,000,000"};
        p.notify(r.caption, r.text, 2000);
        return r;
    }
    iv_.offeredWage = wage;
    iv_.oneOffPayment = oneOff;
    patienceStep();
    if (iv_.negotiationMood > 0) decide();
    return std::nullopt;
}

void HiringScreen::decide() {
    bool accepted = false;
    if (iv_.offeredWage >= minimumWage(g_)) {
        // Summed wide: a wage near the int32 limit must not turn into a refusal.
        long long value = iv_.offeredWage;
        if (iv_.oneOffPayment > 0) value += iv_.oneOffPayment / 13;
        if (iv_.freePhone) value += 350;
        if (iv_.freeCar) value += 750;
        if (iv_.freeComputer) value += 500;
        value += 500 * iv_.studyChoice;
        value += 1000 * iv_.managingChoice;
        accepted = value + iv_.companyAppeal > static_cast<long long>(iv_.askingWage) + iv_.askingWage / 2;
    }
    const auto pick = static_cast<std::size_t>(g_.rng.randomInt(3));
    iv_.answer = accepted ? kAcceptAnswers[pick] : kRefuseAnswers[pick];
    iv_.answerKind = accepted ? Interview::Answer::Accepted : Interview::Answer::Refused;
    iv_.hireEnabled = accepted;
}

bool HiringScreen::confirmHire(Player& p) {
    if (!iv_.open || !iv_.hireEnabled || !People::inRange(iv_.person)) return false;
    Person& person = g_.tables().people[iv_.person];
    World& w = g_.world();
    person.employed = 1;
    person.freePhone = iv_.freePhone;
    person.freeCar = iv_.freeCar;
    person.freeComputer = iv_.freeComputer;
    person.interviewCooldown = 0;
    person.neverAgain = 0;
    person.hireWeek = g_.currentWeek;
    person.hireYear = g_.currentYear;
    person.salary = iv_.offeredWage;
    if (iv_.managingChoice > 0) person.leadWeeksLeft = 15 * iv_.managingChoice;
    if (iv_.studyChoice > 0) person.studyWeeksLeft = 5 * iv_.studyChoice;
    payCash(w.money, iv_.oneOffPayment);
    if (w.weeklyWages.inRange(g_.currentWeek))
        w.weeklyWages[g_.currentWeek] = addMoney(w.weeklyWages[g_.currentWeek], iv_.oneOffPayment);
    iv_.open = false;
    iv_.hireEnabled = false;
    resetChoices();
    p.notify("New employee hired", "You just hired a new employee " + person.name.str(), 2000);
    p.playCue(SoundCue::Hire);
    rebuild();
    return true;
}

void HiringScreen::cancel() {
    iv_.open = false;
    iv_.hireEnabled = false;
}

}  // namespace cw
