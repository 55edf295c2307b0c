// The hiring screen: the candidate list and its filters, the person sheet,
// and the job interview with its refusals in their order.
#include "people/hiring.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "people/labour_market.h"
#include "people/people_fixture.h"

namespace cw {
namespace {

using test::seedWhere;

class HiringTest : public ::testing::Test {
protected:
    Game g;
    test::RecordingPlayer player;
    HiringScreen screen{g};

    void SetUp() override {
        World& w = g.world();
        w.headquartersLevel = 1;
        w.money = 1000000;  // appeal (100000 + 500000) / 1000 = 600
        Person& you = person(1, 1, 1, 0);
        you.name = "*You* (Bob)";
        you.employed = 1;
    }
    Person& person(int index, int area, int rating, int salary) {
        Person& p = g.tables().people[index];
        p.name = "Person," + std::to_string(index);
        p.workArea = static_cast<u8>(area);
        p.overallRating = rating;
        p.salary = salary;
        p.labourMarketYear = 1980;
        return p;
    }
    std::vector<i32> listed() const {
        std::vector<i32> ids;
        for (const CandidateRow& r : screen.rows()) ids.push_back(r.person);
        return ids;
    }
    const Interview& interview(int index) {
        screen.select(index);
        screen.moveToInterest();
        EXPECT_FALSE(screen.hire(player).has_value());
        return screen.interview();
    }
};

TEST_F(HiringTest, SheetOfASoftwarePerson) {
    g.tables().genres[3].name = "Action";
    g.tables().platforms[5].name = "Nova 64";
    g.tables().platforms[5].releaseYear = 1980;
    Person& p = person(10, 1, 40, 2100);
    p.name = "Doe,John";
    p.age = 27;
    p.employerCompany = 4;
    p.leadership = 40;
    p.programming = 3;
    p.design = 1;
    p.graphics = 10;
    p.genreExperience = 3;
    p.platformExperience = 5;
    p.talentLeadership = 19;
    p.talentDesign = 60;
    p.talentGraphics = 61;
    p.talentProgramming = 59;  // software flair (60 + 61 + 59) / 3 = 60
    p.talentHardware = 101;
    EXPECT_EQ(personSheet(g, 10),
              "Name : Doe,John\r\nAge   : 27, Wage  : 2100\r\nHired : Yes\r\n\r\n"
              "Experince\r\nLeaderShip  : Average (3)\r\n"
              "Programming : fairly small (3)\r\nDesign      : Inexperienced(1)\r\nGraphics    : God like    (10)\r\n"
              "Genre Spec. : Action\r\nPlatform    : Nova 64\r\n"
              "\r\nFlair for study\r\nLeadership : Poor    (1)\r\nSoftware   : Good    (4)\r\nHardware   : \r\n");
    g.tables().platforms[5].releaseYear = 1981;  // not out yet
    EXPECT_NE(personSheet(g, 10).find("Platform    : None\r\n"), std::string::npos);
    p.platformExperience = 0;
    g.tables().platforms[5].releaseYear = 1980;
    EXPECT_NE(personSheet(g, 10).find("Platform    : None\r\n"), std::string::npos);
}

TEST_F(HiringTest, SheetLinesOfTheOtherAreas) {
    Person& p = person(10, 4, 1, 1500);
    p.hardware = 35;
    p.publishing = 90;
    std::string s = personSheet(g, 10);
    EXPECT_NE(s.find("Hired : No\r\n\r\n"), std::string::npos);
    EXPECT_NE(s.find("Genre Spec. : \r\nHardware    : Mediocre(2)\r\n\r\nFlair"), std::string::npos);
    p.workArea = 2;
    s = personSheet(g, 10);
    EXPECT_NE(s.find("LeaderShip  : Poor    (1)\r\nHardware     : Mediocre(2)\r\n\r\nFlair"), std::string::npos);
    EXPECT_EQ(s.find("Programming"), std::string::npos);
    p.workArea = 3;
    s = personSheet(g, 10);
    EXPECT_NE(s.find("LeaderShip  : Poor    (1)\r\nPublishing   : Extreme( 5)\r\n\r\nFlair"), std::string::npos);
}

TEST_F(HiringTest, WhoIsListed) {
    person(10, 1, 30, 2000);
    person(11, 1, 30, 2000).labourMarketYear = 1981;  // not yet on the market
    person(12, 1, 30, 2000).employed = 1;
    person(13, 2, 30, 2000);             // another area
    g.tables().people[14].workArea = 1;  // no name
    person(15, 1, 45, 2000);
    person(16, 1, 46, 2000);
    person(17, 1, 60, 2000);
    person(18, 1, 61, 2000);
    screen.open();  // headquarters level 1: "Max 45"
    EXPECT_EQ(screen.filter().ratingItem, 1);
    EXPECT_EQ(listed(), (std::vector<i32>{10, 15}));
    screen.setRatingItem(2);
    EXPECT_EQ(listed(), (std::vector<i32>{10, 15, 16, 17}));
    screen.setRatingItem(0);
    EXPECT_EQ(listed(), (std::vector<i32>{10, 15, 16, 17, 18}));

    g.world().headquartersLevel = 2;
    screen.open();
    EXPECT_EQ(screen.filter().ratingItem, 2);
    g.world().headquartersLevel = 3;
    screen.open();
    EXPECT_EQ(screen.filter().ratingItem, 0);
}

TEST_F(HiringTest, SkillFilterLevels) {
    Person& a = person(10, 2, 30, 2000);
    a.hardware = 39;   // level 2
    a.leadership = 0;  // level 1
    Person& b = person(11, 2, 30, 2000);
    b.hardware = 40;    // level 3
    b.leadership = 99;  // level 5
    screen.open();
    screen.setWorkArea(2);
    EXPECT_EQ(screen.filter().skill, SkillHardware);
    EXPECT_EQ(listed(), (std::vector<i32>{10, 11}));  // level blank: any level
    screen.setLevel(2);
    EXPECT_EQ(listed(), (std::vector<i32>{10}));
    screen.setSkill(SkillLeadership);
    screen.setLevel(5);
    EXPECT_EQ(listed(), (std::vector<i32>{11}));
    screen.setSkill(SkillProgramming);
    screen.setLevel(1);  // programming 0 counts as level 1
    EXPECT_EQ(listed(), (std::vector<i32>{10, 11}));
    screen.setSkill(SkillAny);
    EXPECT_EQ(screen.filter().level, 0);
    EXPECT_FALSE(screen.filter().levelEnabled());
    screen.setLevel(4);  // the box is disabled
    EXPECT_EQ(screen.filter().level, 0);
    screen.setWorkArea(1);
    EXPECT_EQ(screen.filter().skill, SkillProgramming);
    screen.setSkill(SkillDesign);
    screen.setWorkArea(3);
    EXPECT_EQ(screen.filter().skill, SkillDesign);
}

TEST_F(HiringTest, HiredByNamesTheCompanyListRow) {
    person(10, 1, 30, 2000).employerCompany = 2;
    g.tables().companies[2].name = "World Name";
    screen.open();
    ASSERT_EQ(screen.rows().size(), 1u);
    EXPECT_EQ(screen.rows()[0].cells[2], "World Name");  // without the lists, the world's copy

    ReferenceTables ref;
    ref.List_LTDs.setRowCount(3);
    ref.List_LTDs.setCell(0, 2, "Kettlecombe Games");
    HiringScreen withLists(g, &ref);
    withLists.open();
    EXPECT_EQ(withLists.rows()[0].cells,
              (std::array<std::string, 5>{"Person,10", "2000", "Kettlecombe Games", "30", "10"}));
}

TEST_F(HiringTest, ColumnClicksSortAlternatelyAndNumbersAsNumbers) {
    person(10, 1, 30, 10000).name = "beta";
    person(11, 1, 31, 9000).name = "Alpha";
    person(12, 1, 32, 2000).name = "gamma";
    screen.open();
    screen.sortBy(1);
    EXPECT_EQ(listed(), (std::vector<i32>{12, 11, 10}));  // as text "10000" would come first
    screen.sortBy(1);
    EXPECT_EQ(listed(), (std::vector<i32>{10, 11, 12}));
    screen.sortBy(0);
    EXPECT_EQ(listed(), (std::vector<i32>{11, 10, 12}));
    person(13, 1, 33, 5000).name = "aardvark";
    screen.rebuild();  // the last sort is kept
    EXPECT_EQ(listed(), (std::vector<i32>{13, 11, 10, 12}));
    EXPECT_EQ(screen.sortColumn(), 0);
    EXPECT_TRUE(screen.sortAscending());
}

TEST_F(HiringTest, OfficeSpaceIsCheckedBeforeAnybodyIsChosen) {
    for (int i = 2; i <= 5; ++i) person(i, 1, 1, 0).employed = 1;  // 5 of 5 places taken
    Random after = g.rng;
    after.randomInt(3);
    after.randomInt(10);
    const ActionResult r = screen.hire(player);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->caption, "Office space");
    EXPECT_EQ(r->text, "No more office space available.\r\nUpdgrade Headquater, publisher or offices");
    EXPECT_EQ(g.rng.seed, after.seed);  // the mood and one patience step were drawn first
    ASSERT_EQ(player.calls.size(), 1u);
    EXPECT_EQ(player.calls[0].number, 4000);

    g.tables().people[5].employed = 0;
    const ActionResult none = screen.hire(player);
    ASSERT_TRUE(none.has_value());
    EXPECT_EQ(*none, (Refusal{"Choose worker", "You got to choose a worker before trying to hire"}));
    EXPECT_EQ(player.calls.back().number, 2000);
    EXPECT_FALSE(screen.interview().open);

    screen.setPersonOfInterest(5);
    g.tables().people[5].employed = 1;
    g.tables().people[4].employed = 0;
    EXPECT_FALSE(screen.hire(player).has_value());  // an employee: nothing opens, nothing said
    EXPECT_FALSE(screen.interview().open);
    EXPECT_EQ(player.calls.size(), 2u);
}

TEST_F(HiringTest, OpeningAnswersFirstMatchWins) {
    Person& p = person(10, 1, 46, 5000);
    p.neverAgain = 1;
    p.interviewCooldown = 3;
    const Interview& iv = interview(10);
    EXPECT_TRUE(iv.open);
    EXPECT_EQ(iv.openingAnswer,
              "I am not interrested in working for your company. Feel free to contact me when your company has "
              "expanded.");
    EXPECT_FALSE(iv.offerEnabled);
    EXPECT_FALSE(iv.hireEnabled);

    p.overallRating = 45;
    interview(10);
    EXPECT_EQ(iv.openingAnswer, "I am not interrested in working for your company again.!!");
    EXPECT_FALSE(iv.offerEnabled);
    p.neverAgain = 0;
    interview(10);
    EXPECT_EQ(iv.openingAnswer,
              "To close to my latest job interview with your company. Try contacting me in a few months.");
    EXPECT_FALSE(iv.offerEnabled);
    p.interviewCooldown = 0;
    interview(10);
    EXPECT_EQ(iv.openingAnswer,
              "Im currently between jobs, but you company seems a bit small and frail.\r\nBut what can you offer me ?");
    EXPECT_TRUE(iv.offerEnabled);
    EXPECT_EQ(iv.previousWage, "5000");
    EXPECT_EQ(iv.wageField, "5100");
    EXPECT_EQ(iv.oneOffField, "0");
    EXPECT_EQ(iv.companyAppeal, 600);

    p.employerCompany = 7;  // asks a third more to leave the company
    interview(10);
    EXPECT_EQ(iv.askingWage, 6666);
    EXPECT_EQ(iv.wageField, "6766");
    const std::vector<std::string> settled = {
        "I am very happy with my current position and work\r\nWhat can you offer me ?",
        "I have a very good job\r\nWhat can you offer me ?",
        "Well, I am very happy at my current work, but I am always open to new suggestions\r\nWhat can you offer me ?"};
    EXPECT_NE(std::find(settled.begin(), settled.end(), iv.openingAnswer), settled.end());

    p.salary = 600;  // within the company's appeal
    interview(10);
    const std::vector<std::string> keen = {
        "I would very much like to hear what you have to offer me.", "I am interrested...\r\nWhat can you offer me ?",
        "I am very glad the you consider me for this job.\r\nWhat can you offer me ?"};
    EXPECT_NE(std::find(keen.begin(), keen.end(), iv.openingAnswer), keen.end());

    // From headquarters level 3 nobody is too good for the company.
    g.world().headquartersLevel = 3;
    p.overallRating = 100;
    interview(10);
    EXPECT_TRUE(iv.offerEnabled);
    EXPECT_EQ(companyReach(g), 101);
    g.world().money = 2000000000;
    EXPECT_EQ(companyAppeal(g), 5000);
}

TEST_F(HiringTest, NonNumericFieldsAreRefusedBeforeAnyPatienceIsSpent) {
    person(10, 1, 30, 5000);
    const Interview& iv = interview(10);
    const i32 mood = iv.negotiationMood;
    const auto seed = g.rng.seed;
    ActionResult r = screen.suggest(player, "abc", "1 2");
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(*r, (Refusal{"Error in non-recurring suggestion", "Keep the non-recurring suggestion numric"}));
    r = screen.suggest(player, "", "+12");
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(*r, (Refusal{"Error in suggested wage", "Keep the suggested wage numric"}));
    EXPECT_EQ(player.calls.back().number, 2000);
    for (const char* bad : {"-", "12a", "99999999999", " 5"}) EXPECT_TRUE(screen.suggest(player, bad, "0")) << bad;
    EXPECT_EQ(iv.negotiationMood, mood);
    EXPECT_EQ(g.rng.seed, seed);
    EXPECT_EQ(iv.answerKind, Interview::Answer::None);
}

TEST_F(HiringTest, TheYearlyMinimumIsAHardFloor) {
    Person& p = person(10, 1, 30, 100);  // asks 100: anything legal is plenty
    p.salary = 100;
    const Interview& iv = interview(10);
    EXPECT_EQ(minimumWage(g), 2000);
    screen.toggleManaging();
    screen.setFreeCar(true);
    EXPECT_FALSE(screen.suggest(player, "1999", "1000000"));
    EXPECT_EQ(iv.answerKind, Interview::Answer::Refused);
    const std::vector<std::string> no = {"I don''t think so.", "I am not interrested.",
                                         "Under these circumstances im not interrested."};
    EXPECT_NE(std::find(no.begin(), no.end(), iv.answer), no.end());
    EXPECT_FALSE(iv.hireEnabled);
    EXPECT_FALSE(screen.suggest(player, "2000", "0"));
    EXPECT_EQ(iv.answerKind, Interview::Answer::Accepted);
    const std::vector<std::string> yes = {"You have a deal. When can I start", "Yes. Its fine by me. When ",
                                          "We have an agreement. Where do I sign"};
    EXPECT_NE(std::find(yes.begin(), yes.end(), iv.answer), yes.end());
    EXPECT_TRUE(iv.hireEnabled);
}

// 1990: the minimum is 3000; an unemployed person asking 4000 needs a value
// above 6000 together with the company's appeal.
class Offer1990Test : public HiringTest {
protected:
    void SetUp() override {
        HiringTest::SetUp();
        g.currentYear = 1990;
        person(10, 1, 30, 4000);
    }
    // Money that gives the headquarters-level-1 company this appeal.
    void appeal(i32 value) { g.world().money = (value * 1000 - 500000) * 10; }
    Interview::Answer offer(const std::string& oneOff) {
        const Interview& iv = interview(10);
        screen.toggleStudy();
        screen.toggleStudy();  // SOME: 1000
        screen.setFreeCar(true);
        EXPECT_EQ(iv.studyChoice, 2);
        EXPECT_FALSE(screen.suggest(player, "4000", oneOff));
        return iv.answerKind;
    }
};

TEST_F(Offer1990Test, StudyAndACarTipTheBalanceAtAnAppealOf251) {
    EXPECT_EQ(minimumWage(g), 3000);
    appeal(251);
    EXPECT_EQ(companyAppeal(g), 251);
    EXPECT_EQ(offer("0"), Interview::Answer::Accepted);
    appeal(250);
    EXPECT_EQ(offer("0"), Interview::Answer::Refused);
    EXPECT_EQ(offer("12"), Interview::Answer::Refused);
    EXPECT_EQ(offer("13"), Interview::Answer::Accepted);  // 13 / 13 adds one dollar
}

TEST_F(Offer1990Test, HiringRecordsTheDealAndPaysTheOneOff) {
    appeal(251);
    g.currentWeek = 12;
    const i32 money = g.world().money;
    Person& p = g.tables().people[10];
    p.employerCompany = 0;
    p.interviewCooldown = 0;
    p.leadWeeksLeft = 7;
    const Interview& iv = interview(10);
    EXPECT_FALSE(screen.confirmHire(player));  // no acceptance yet
    screen.toggleStudy();
    screen.toggleStudy();
    screen.setFreeCar(true);
    screen.setFreePhone(true);
    ASSERT_FALSE(screen.suggest(player, "4000", "500"));
    ASSERT_TRUE(iv.hireEnabled);
    ASSERT_TRUE(screen.confirmHire(player));
    EXPECT_TRUE(p.employed);
    EXPECT_EQ(p.salary, 4000);
    EXPECT_TRUE(p.freeCar);
    EXPECT_TRUE(p.freePhone);
    EXPECT_FALSE(p.freeComputer);
    EXPECT_EQ(p.studyWeeksLeft, 10);
    EXPECT_EQ(p.leadWeeksLeft, 7);  // no managing promised: left as it was
    EXPECT_EQ(p.hireYear, 1990);
    EXPECT_EQ(p.hireWeek, 12);
    EXPECT_EQ(g.world().money, money - 500);
    EXPECT_EQ(g.world().weeklyWages[12], 500);
    EXPECT_FALSE(iv.open);
    EXPECT_EQ(iv.studyChoice, 0);
    EXPECT_FALSE(iv.freeCar);
    EXPECT_EQ(player.calls.back().a, "New employee hired");
    EXPECT_EQ(player.calls.back().b, "You just hired a new employee Person,10");
    EXPECT_EQ(player.calls.back().number, 2000);
    EXPECT_TRUE(listed().empty());
    EXPECT_FALSE(screen.confirmHire(player));
}

TEST_F(Offer1990Test, ManagingTimeAndCompanyStaffAtHiring) {
    appeal(5000);
    Person& p = g.tables().people[10];
    p.employerCompany = 9;
    p.interviewCooldown = 0;
    interview(10);
    screen.toggleManaging();
    screen.toggleManaging();
    screen.toggleManaging();
    ASSERT_FALSE(screen.suggest(player, "6000", "0"));
    ASSERT_TRUE(screen.confirmHire(player));
    EXPECT_EQ(p.leadWeeksLeft, 45);
    EXPECT_EQ(p.employerCompany, 9);  // hiring leaves the old employer in place
    EXPECT_EQ(employeeCount(g), 2);
}

TEST_F(Offer1990Test, TakingBackAPromiseAfterTheDealNeedsANewSuggestion) {
    appeal(251);
    ASSERT_EQ(offer("0"), Interview::Answer::Accepted);
    ASSERT_TRUE(screen.interview().hireEnabled);
    screen.toggleStudy();  // SOME -> MUCH: still a change to the deal
    EXPECT_FALSE(screen.interview().hireEnabled);
    EXPECT_FALSE(screen.confirmHire(player));
}

TEST_F(HiringTest, PatienceRunsOutAndTheCandidateStaysAwayTenToNineteenWeeks) {
    person(10, 1, 30, 5000);  // salary above the appeal, unemployed: no draw for the opening answer
    int cooldown = -1;
    g.rng.seed = seedWhere([&](Random& r) {
        if (r.randomInt(3) != 1 || r.randomInt(10) <= 2) return false;  // mood 5, then 4 at the opening
        for (int s = 0; s < 3; ++s) {
            if (r.randomInt(10) <= 2) return false;
            r.randomInt(3);  // the answer
        }
        if (r.randomInt(10) <= 2) return false;
        cooldown = 10 + r.randomInt(10);
        return true;
    });
    const Interview& iv = interview(10);
    EXPECT_EQ(iv.negotiationMood, 4);
    EXPECT_EQ(iv.moodText, "Employee Mood : Ok");
    const std::vector<std::string> moods = {"Employee Mood : Getting Impatient", "Employee Mood : Impatient",
                                            "Employee Mood : Seems uninterested"};
    for (const std::string& mood : moods) {
        ASSERT_FALSE(screen.suggest(player, "7000", "0"));
        EXPECT_EQ(iv.moodText, mood);
        EXPECT_EQ(iv.answerKind, Interview::Answer::Accepted);
    }
    ASSERT_TRUE(iv.hireEnabled);
    ASSERT_FALSE(screen.suggest(player, "7000", "0"));
    EXPECT_EQ(iv.moodText, "Employee lost interrested");
    EXPECT_TRUE(iv.lostInterest);
    EXPECT_FALSE(iv.offerEnabled);
    EXPECT_FALSE(iv.hireEnabled);  // an earlier yes no longer counts
    EXPECT_EQ(g.tables().people[10].interviewCooldown, cooldown);
    EXPECT_FALSE(screen.confirmHire(player));
    interview(10);
    EXPECT_EQ(iv.openingAnswer,
              "To close to my latest job interview with your company. Try contacting me in a few months.");
}

TEST_F(HiringTest, TheRowMenusHireTakesTheSelectedRow) {
    person(10, 1, 30, 5000);
    person(11, 1, 30, 5000);
    screen.select(10);
    screen.moveToInterest();
    screen.select(11);
    EXPECT_EQ(screen.personOfInterest(), 10);
    EXPECT_FALSE(screen.hireFromMenu(player));
    EXPECT_EQ(screen.personOfInterest(), 11);
    EXPECT_EQ(screen.interview().person, 11);
    EXPECT_TRUE(screen.interview().open);
    g.tables().people[10].employed = 1;
    screen.select(10);
    EXPECT_FALSE(screen.hireFromMenu(player));
    EXPECT_FALSE(screen.interview().open);  // the earlier interview does not carry on
    screen.select(11);
    screen.hireFromMenu(player);
    screen.cancel();
    EXPECT_FALSE(screen.interview().open);
    EXPECT_FALSE(g.tables().people[11].employed);
}

TEST_F(HiringTest, NegativePaymentsAreRefusedBeforeAnyPatienceIsSpent) {
    person(10, 1, 30, 5000);
    const Interview& iv = interview(10);
    const i32 mood = iv.negotiationMood;
    const auto seed = g.rng.seed;
    ActionResult r = screen.suggest(player, "-9000", "-2000000000");
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(*r, (Refusal{"Error in non-recurring suggestion", "The non-recurring suggestion cannot be negative"}));
    EXPECT_EQ(player.calls.back().a, "Error in non-recurring suggestion");
    EXPECT_EQ(player.calls.back().number, 2000);
    r = screen.suggest(player, "-9000", "0");
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(*r, (Refusal{"Error in suggested wage", "The suggested wage cannot be negative"}));
    EXPECT_EQ(iv.negotiationMood, mood);
    EXPECT_EQ(g.rng.seed, seed);
    EXPECT_EQ(iv.answerKind, Interview::Answer::None);
    EXPECT_FALSE(screen.suggest(player, "-0", "-0"));  // minus zero is zero, and is weighed
    EXPECT_NE(g.rng.seed, seed);
}

TEST_F(HiringTest, OffersAreBoundedAndTheCashStopsAtItsCap) {
    g.world().money = -1'995'000'000;
    g.world().headquartersLevel = 3;  // room for everybody, nobody too good
    person(10, 1, 30, 100);
    const Interview& iv = interview(10);
    const i32 mood = iv.negotiationMood;
    const auto seed = g.rng.seed;
    ActionResult r = screen.suggest(player, "2000", "10000001");
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(*r, (Refusal{"Error in non-recurring suggestion",
                           "The non-recurring suggestion cannot be more than 10,000,000"}));
    r = screen.suggest(player, "1000001", "0");
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(*r, (Refusal{"Error in suggested wage", "The suggested wage cannot be more than 1,000,000"}));
    EXPECT_EQ(player.calls.back().number, 2000);
    EXPECT_EQ(iv.negotiationMood, mood);  // refused before any patience is spent
    EXPECT_EQ(g.rng.seed, seed);

    for (int who : {10, 11}) {
        person(who, 1, 30, 100);
        interview(who);
        ASSERT_FALSE(screen.suggest(player, "1000000", "10000000"));
        ASSERT_TRUE(screen.interview().hireEnabled) << who;
        ASSERT_TRUE(screen.confirmHire(player));
    }
    // The largest payments stop at the cash cap in debt; the week's wage
    // tally holds both.
    EXPECT_EQ(g.world().money, -2'000'000'000);
    EXPECT_EQ(g.world().weeklyWages[1], 20'000'000);
}

TEST_F(HiringTest, TheHiredPersonIsMarkedAndHireIsDisabled) {
    g.currentYear = 1990;
    person(10, 1, 30, 100);
    interview(10);
    EXPECT_TRUE(screen.hireEnabled());
    ASSERT_FALSE(screen.suggest(player, "3000", "0"));
    ASSERT_TRUE(screen.confirmHire(player));
    EXPECT_EQ(screen.personOfInterest(), 10);
    EXPECT_TRUE(screen.interestIsOwnStaff());
    EXPECT_FALSE(screen.hireEnabled());
    screen.setPersonOfInterest(1);  // the player's own person
    EXPECT_FALSE(screen.hireEnabled());
    screen.setPersonOfInterest(0);  // nobody: "Hire" stays to say "Choose worker"
    EXPECT_TRUE(screen.hireEnabled());
}

}  // namespace
}  // namespace cw
