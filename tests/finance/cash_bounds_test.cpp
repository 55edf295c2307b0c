// Cash under hostile but legal play: the largest offers and payments, loans
// and repayments, staff on the largest wages a save may hold, week after
// week, starting near either end of the cash range. Whatever the order, the
// cash stays inside the cap, never crosses zero by wrapping, and the game can
// always be saved in a file its load accepts.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "fakes/cli_session.h"
#include "fakes/tiny_data.h"
#include "state/money.h"
#include "state/save_ranges.h"

namespace cw {
namespace {

class CashBoundsTest : public test::CliSessionTest {
protected:
    void SetUp() override {
        test::writeTinyDataArchive(dir);
        s.game->rng.fixedSeed = 42;
        s.game->rng.randomizeSeed();
        ASSERT_EQ(run("new-game company=\"Acme Soft\" player=Ann\n"), 0) << out.str();
    }

    // Plays `steps` random legal moves from the cash `start`, checking the
    // cash and the save after each.
    void playFrom(i32 start, unsigned seed, int steps) {
        Game& g = *s.game;
        g.world().money = start;
        // A staff on the largest wages a loaded save may hold.
        int hired = 0;
        for (Person& p : g.tables().people) {
            if (p.name.empty() || p.employed || hired == 6) continue;
            p.employed = 1;
            p.salary = kLargestSalary;
            ++hired;
        }
        std::mt19937 pick(seed);
        i32 before = g.world().money;
        for (int step = 0; step < steps && !g.gameOver; ++step) {
            std::string script;
            switch (pick() % 5) {
                case 0:
                    script = "interview " + std::to_string(1 + pick() % 60) +
                             "\noffer salary=1000000 oneoff=10000000 car=yes phone=yes computer=yes\nhire\n";
                    break;
                case 1: script = "next-week " + std::to_string(1 + pick() % 3) + "\n"; break;
                case 2: script = "borrow 2000000000\n"; break;
                case 3: script = "repay 2000000000\n"; break;
                default: script = "interview 18\noffer salary=2147483647 oneoff=2147483647\nhire\n"; break;
            }
            run(script);  // a refusal is a legal outcome too
            const i32 now = g.world().money;
            ASSERT_LE(now, kCashLimit) << script;
            ASSERT_GE(now, -kCashLimit) << script;
            ASSERT_FALSE(before < -kCashLimit / 2 && now > 0) << before << " -> " << now << " by " << script;
            ASSERT_FALSE(before > kCashLimit / 2 && now < 0) << before << " -> " << now << " by " << script;
            g.world().savedYear = g.currentYear;  // as a save sets them
            g.world().savedWeek = static_cast<u8>(g.currentWeek);
            ASSERT_EQ(saveImageRangeProblem(g.tables()), "") << script;
            before = now;
        }
    }
};

TEST_F(CashBoundsTest, TheLargestOfferIsRefusedWithItsReason) {
    // The first candidate who takes offers at all.
    int who = 1;
    for (; who <= 60; ++who) {
        ASSERT_EQ(run("interview " + std::to_string(who) + "\noffer salary=2147483647\n"), 0) << out.str();
        if (!printed("the offer part is disabled") && !printed("no interview is open")) break;
    }
    ASSERT_LE(who, 60);
    EXPECT_TRUE(printed("The suggested wage cannot be more than 1,000,000")) << out.str();
    ASSERT_EQ(run("offer salary=5000 oneoff=2147483647\n"), 0) << out.str();
    EXPECT_TRUE(printed("The non-recurring suggestion cannot be more than 10,000,000")) << out.str();
}

TEST_F(CashBoundsTest, DeepInDebtTheCashNeverWrapsToCredit) { playFrom(-kCashLimit + 5'000'000, 1, 40); }

TEST_F(CashBoundsTest, NearTheCapTheCashNeverWrapsToDebt) { playFrom(kCashLimit - 5'000'000, 2, 40); }

TEST_F(CashBoundsTest, AGameThatHoldsAValueItsLoadRefusesIsNotSaved) {
    // Only a damaged table can get here now; the save must still not write
    // a file the load screen would refuse, and must not say it saved.
    s.game->tables().people[3].salary = kLargestSalary + 1;
    ASSERT_EQ(run("save broken\n"), 0) << out.str();
    EXPECT_TRUE(printed("not saved\n")) << out.str();
    EXPECT_TRUE(printed("person 3 has the salary 100000001")) << out.str();
    EXPECT_FALSE(std::filesystem::exists(dir / "savegame" / "broken.sav"));
    s.game->tables().people[3].salary = 0;
    s.game->session.autosaveInProgress = true;
    s.game->world().boardOpinion = -kLargestBoardOpinion - 1;
    ASSERT_EQ(run("save\n"), 0) << out.str();
    EXPECT_FALSE(std::filesystem::exists(dir / "savegame" / "AutoSave.sav"));
}

}  // namespace
}  // namespace cw
