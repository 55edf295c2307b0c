// Generating the labour market and the player's own person: the order of the
// draws, the area classification and the starting wage.
#include "people/people_generation.h"

#include <gtest/gtest.h>

#include "people/labour_market.h"
#include "people/people_fixture.h"

namespace cw {
namespace {

using test::seedWhere;

ReferenceTables handTables(int genreRows) {
    ReferenceTables t;
    t.list_people.setRowCount(5);
    t.list_people.setCell(0, 1, "Doe,John");
    t.list_people.setCell(1, 1, "8");
    t.list_people.setCell(0, 2, "  ");  // no name: skipped
    t.list_people.setCell(1, 2, "4");
    t.list_people.setCell(0, 3, "Roe,Jane");  // no rank: skipped
    t.list_people.setCell(0, 4, "Poe,Ed");
    t.list_people.setCell(1, 4, "4");
    t.list_genre.setRowCount(genreRows);
    return t;
}

TEST(PeopleGeneration, DrawsEachFieldInTurnAndSkipsRowsWithoutNameOrRank) {
    Game g;
    const ReferenceTables t = handTables(12);
    g.rng.seed = 4711;
    generatePeople(g, t);

    Random r;
    r.seed = 4711;
    const Person& p = g.tables().people[1];
    const int age = 17 + r.randomInt(35);
    EXPECT_EQ(p.age, age);
    EXPECT_EQ(p.leadership, 34 + r.randomInt(32));
    EXPECT_EQ(p.platformPorting, 34 + r.randomInt(32));
    EXPECT_EQ(p.talentLeadership, 34 + r.randomInt(32));
    EXPECT_EQ(p.genreExperience, 1 + r.randomInt(10));  // 12 genre rows - 2
    EXPECT_EQ(p.talentHardware, 34 + r.randomInt(32));
    EXPECT_EQ(p.talentDesign, 34 + r.randomInt(32));
    EXPECT_EQ(p.talentGraphics, 34 + r.randomInt(32));
    EXPECT_EQ(p.talentProgramming, 34 + r.randomInt(32));
    r.randomInt(24);  // hardware, trimmed later by the classification
    EXPECT_EQ(p.platformExperience, 1 + r.randomInt(30));
    r.randomInt(24);  // publishing
    r.randomInt(8);   // programming, design, graphics
    r.randomInt(8);
    r.randomInt(8);
    EXPECT_EQ(p.labourMarketYear, 1980 + r.randomInt(5));
    EXPECT_EQ(p.rank, 8);
    EXPECT_EQ(p.name, "Doe,John");
    EXPECT_FALSE(p.employed);
    EXPECT_EQ(p.employerCompany, 0);
    EXPECT_EQ(p.currentTask, 0);

    EXPECT_TRUE(g.tables().people[2].name.empty());
    EXPECT_TRUE(g.tables().people[3].name.empty());
    EXPECT_EQ(g.tables().people[4].name, "Poe,Ed");
    EXPECT_EQ(g.tables().people[4].rank, 4);
    EXPECT_TRUE(g.tables().people[5].name.empty());  // the player's place
}

TEST(PeopleGeneration, ShippedListWithAKnownSeed) {
    const ReferenceTables& t = test::shippedTables();
    Game g;
    g.rng.seed = 2024;
    generatePeople(g, t);
    const auto& people = g.tables().people;
    const int player = playerPersonIndex(t);
    ASSERT_EQ(player, t.list_people.rowCount());
    ASSERT_GT(player, 3000);

    // Pinned draws of the first people of the list.
    struct Pinned {
        int index, age, leadership, hardware, publishing, programming, area, rating, salary, year;
    };
    for (const Pinned& e :
         {Pinned{1, 34, 38, 44, 12, 1, 2, 41, 7203, 1981}, Pinned{2, 37, 45, 39, 14, 1, 2, 43, 8021, 1984},
          Pinned{3, 44, 37, 44, 16, 3, 2, 44, 13047, 1983}}) {
        const Person& p = people[e.index];
        EXPECT_EQ(p.age, e.age) << e.index;
        EXPECT_EQ(p.leadership, e.leadership) << e.index;
        EXPECT_EQ(p.hardware, e.hardware) << e.index;
        EXPECT_EQ(p.publishing, e.publishing) << e.index;
        EXPECT_EQ(p.programming, e.programming) << e.index;
        EXPECT_EQ(p.workArea, e.area) << e.index;
        EXPECT_EQ(p.overallRating, e.rating) << e.index;
        EXPECT_EQ(p.salary, e.salary) << e.index;
        EXPECT_EQ(p.labourMarketYear, e.year) << e.index;
    }

    int named = 0, onMarketNow = 0;
    for (int i = 1; i < player; ++i) {
        const Person& p = people[i];
        if (p.name.empty()) continue;
        ++named;
        EXPECT_EQ(p.name.str(), t.list_people.cell(0, i));
        EXPECT_GE(p.age, 17);
        EXPECT_LE(p.age, 51);
        EXPECT_GE(p.labourMarketYear, 1980);
        EXPECT_LE(p.labourMarketYear, 1984);
        if (p.labourMarketYear == 1980) ++onMarketNow;
        ASSERT_GE(p.workArea, 1);
        ASSERT_LE(p.workArea, 4);
        if (p.workArea == 1) {
            EXPECT_EQ(p.overallRating, (p.talentProgramming + 20) / 2);
        }
        if (p.workArea == 4) {
            EXPECT_EQ(p.overallRating, 1);
            EXPECT_LE(p.programming, 2);
            EXPECT_LE(p.hardware, 37);
            EXPECT_LE(p.publishing, 37);
        }
        EXPECT_GE(p.salary, 1500);
    }
    EXPECT_EQ(named, player - 1);
    // About one in five is looking for work in the first year.
    EXPECT_GT(onMarketNow * 100 / named, 15);
    EXPECT_LT(onMarketNow * 100 / named, 25);
    EXPECT_TRUE(people[player].name.empty());
}

Person blankPerson(int rank) {
    Person p{};
    p.rank = static_cast<u8>(rank);
    return p;
}

TEST(ClassifyPerson, SoftwareWinsTiesAndLowRanksLoseTheirOtherSkills) {
    Game g;
    Person p = blankPerson(4);
    p.talentProgramming = 80;  // s = 50
    p.hardware = 40;
    p.talentHardware = 60;  // h = 50
    p.publishing = 50;
    classifyPerson(g, p);
    EXPECT_EQ(p.workArea, 1);
    EXPECT_EQ(p.overallRating, 50);
    EXPECT_EQ(p.hardware, 20);
    EXPECT_EQ(p.publishing, 16);

    Person high = blankPerson(8);
    high.talentProgramming = 80;
    high.hardware = 40;
    high.publishing = 50;
    classifyPerson(g, high);
    EXPECT_EQ(high.workArea, 1);
    EXPECT_EQ(high.hardware, 40);
    EXPECT_EQ(high.publishing, 50);
}

TEST(ClassifyPerson, HardwareWithinFiveOfPublishing) {
    Game g;
    Person p = blankPerson(4);
    p.talentProgramming = 40;  // s = 30
    p.hardware = 60;
    p.talentHardware = 60;  // h = 60
    p.publishing = 65;      // h + 5 >= q
    p.programming = 5;
    p.design = 1;
    p.graphics = 3;
    classifyPerson(g, p);
    EXPECT_EQ(p.workArea, 2);
    EXPECT_EQ(p.overallRating, 60);
    EXPECT_EQ(p.publishing, 21);
    EXPECT_EQ(p.programming, 2);
    EXPECT_EQ(p.design, 1);
    EXPECT_EQ(p.graphics, 1);

    Person high = blankPerson(12);
    high.hardware = 60;
    high.talentHardware = 60;
    high.programming = 5;
    classifyPerson(g, high);
    EXPECT_EQ(high.workArea, 2);
    EXPECT_EQ(high.programming, 5);
}

TEST(ClassifyPerson, PublishingOrMiscOnACoinToss) {
    auto publisher = [] {
        Person p = blankPerson(4);
        p.talentProgramming = 40;  // s = 30
        p.hardware = 38;
        p.talentHardware = 22;  // h = 30
        p.publishing = 80;
        p.programming = 5;
        p.design = 3;
        p.graphics = 1;
        return p;
    };
    Game g;
    g.rng.seed = seedWhere([](Random& r) { return r.randomInt(2) == 0; });
    Person p = publisher();
    classifyPerson(g, p);
    EXPECT_EQ(p.workArea, 3);
    EXPECT_EQ(p.overallRating, 80);
    EXPECT_EQ(p.programming, 1);
    EXPECT_EQ(p.design, 1);
    EXPECT_EQ(p.publishing, 80);

    g.rng.seed = seedWhere([](Random& r) { return r.randomInt(2) == 1; });
    Person m = publisher();
    classifyPerson(g, m);
    EXPECT_EQ(m.workArea, 4);
    EXPECT_EQ(m.overallRating, 1);
    EXPECT_EQ(m.programming, 2);
    EXPECT_EQ(m.design, 2);
    EXPECT_EQ(m.graphics, 1);
    EXPECT_EQ(m.hardware, 35);
    EXPECT_EQ(m.publishing, 35);

    Person edge = publisher();
    edge.hardware = 37;  // 37 stays, only values above are lowered
    g.rng.seed = seedWhere([](Random& r) { return r.randomInt(2) == 1; });
    classifyPerson(g, edge);
    EXPECT_EQ(edge.workArea, 4);
    EXPECT_EQ(edge.hardware, 37);
}

TEST(StartingWage, EachAreaWithItsOwnExperience) {
    Game g;  // 1980: m = 400
    g.rng.seed = 77;
    Random r;
    r.seed = 77;

    Person misc = blankPerson(4);
    misc.workArea = 4;
    misc.leadership = 75;  // exceeds 40, 50, 60, 70
    int w = 1500 + r.randomInt(500) + 45 * 100 + 4 * 45 * 50;
    w += r.randomInt(400);
    w += r.randomInt(400);
    EXPECT_EQ(startingWage(g, misc), w);

    Person soft = blankPerson(8);
    soft.workArea = 1;
    soft.leadership = 31;
    soft.programming = 3;
    soft.design = 2;
    soft.graphics = 1;
    soft.talentProgramming = 60;  // e = ((30 + 60) / 2 + 60 / 3) / 2 = 32
    w = 1500 + r.randomInt(500) + 100;
    w += 8 * 3 * (80 + r.randomInt(20));
    EXPECT_EQ(startingWage(g, soft), w);

    Person novice = blankPerson(8);
    novice.workArea = 1;
    novice.leadership = 30;  // no leadership bonus
    novice.programming = novice.design = novice.graphics = 1;
    novice.talentProgramming = 34;  // e = 16, raised to 30
    w = 1500 + r.randomInt(500);
    w += 8 * 1 * (80 + r.randomInt(20));
    EXPECT_EQ(startingWage(g, novice), w);

    Person hard = blankPerson(12);
    hard.workArea = 2;
    hard.hardware = 70;
    hard.talentHardware = 51;  // e = 60
    w = 1500 + r.randomInt(500);
    w += 12 * 31 * (80 + r.randomInt(20));
    EXPECT_EQ(startingWage(g, hard), w);

    Person pub = blankPerson(4);
    pub.workArea = 3;
    pub.publishing = 45;
    w = 1500 + r.randomInt(500);
    w += 4 * 16 * (80 + r.randomInt(20));
    EXPECT_EQ(startingWage(g, pub), w);
    EXPECT_EQ(g.rng.seed, r.seed);
}

TEST(PlayerPerson, RankFollowsTheLevelAndTheSpecialtyAddsItsBonus) {
    const ReferenceTables t = handTables(12);
    Game g;
    g.world().gameLevel = 1;  // k = 6
    g.world().playerName = "Bob";
    g.session.chosenPlayerAge = 30;
    g.session.chosenPlayerSpecialty = 0;
    g.rng.seed = 5;
    createPlayerPerson(g, t);
    const Person& p = g.tables().people[5];  // list row count: the row after the last listed person
    EXPECT_EQ(p.name, "*You* (Bob)");
    EXPECT_EQ(p.rank, 6);
    EXPECT_TRUE(p.employed);
    EXPECT_EQ(p.age, 30);
    EXPECT_EQ(p.leadership, 24 + 34 + 15);
    EXPECT_EQ(p.programming, 3);
    EXPECT_EQ(p.design, 3);
    EXPECT_EQ(p.graphics, 3);
    EXPECT_EQ(p.labourMarketYear, 1979);
    EXPECT_EQ(p.workArea, 1);
    EXPECT_EQ(p.salary, 0);
    Random r;
    r.seed = 5;
    EXPECT_EQ(p.platformPorting, 34 + r.randomInt(24));
    EXPECT_EQ(p.talentLeadership, 34 + r.randomInt(24));
    EXPECT_EQ(p.talentHardware, 34 + r.randomInt(24));
    EXPECT_EQ(p.talentDesign, 34 + r.randomInt(24));
    EXPECT_EQ(p.talentGraphics, 34 + r.randomInt(24));
    EXPECT_EQ(p.talentProgramming, 34 + r.randomInt(24));
    EXPECT_EQ(p.genreExperience, 1 + r.randomInt(10));
    EXPECT_EQ(p.hardware, 30 + r.randomInt(18));
    EXPECT_EQ(p.platformExperience, 1 + r.randomInt(20));
    EXPECT_EQ(p.publishing, 30 + r.randomInt(18));
    EXPECT_EQ(g.rng.seed, r.seed);

    Game hard;
    hard.world().gameLevel = 3;  // k = 3
    hard.session.chosenPlayerAge = 40;
    hard.session.chosenPlayerSpecialty = 1;
    createPlayerPerson(hard, t);
    const Person& q = hard.tables().people[5];
    EXPECT_EQ(q.leadership, 12 + 34);
    EXPECT_EQ(q.programming, 3);
    EXPECT_EQ(q.design, 1);

    Game tinkerer;
    tinkerer.world().gameLevel = 2;  // k = 4
    tinkerer.session.chosenPlayerAge = 16;
    tinkerer.session.chosenPlayerSpecialty = 4;
    tinkerer.rng.seed = 9;
    createPlayerPerson(tinkerer, t);
    Random s;
    s.seed = 9;
    for (int i = 0; i < 7; ++i) s.randomInt(i < 6 ? 16 : 10);
    EXPECT_EQ(tinkerer.tables().people[5].hardware, 16 + s.randomInt(12) + 10);
}

TEST(PlayerPerson, FollowsTheLastListedPersonOfTheShippedList) {
    const ReferenceTables& t = test::shippedTables();
    Game g;
    g.world().gameLevel = 2;
    g.world().playerName = "Ada";
    generatePeople(g, t);
    createPlayerPerson(g, t);
    const int player = playerPersonIndex(t);
    EXPECT_EQ(g.tables().people[player].name, "*You* (Ada)");
    EXPECT_FALSE(g.tables().people[player - 1].name.empty());
    EXPECT_EQ(employeeCount(g), 1);
}

}  // namespace
}  // namespace cw
