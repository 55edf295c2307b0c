// The finance commands of the headless driver, as a script sees them.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>

#include "cli/driver.h"
#include "fakes/cli_session.h"
#include "fakes/tiny_data.h"

namespace cw::cli {
namespace {
namespace fs = std::filesystem;

class FinanceCliTest : public test::CliSessionTest {
protected:
    void SetUp() override {
        test::writeTinyDataArchive(dir);
        ASSERT_EQ(run("new-game company=\"Acme\" player=\"Ann\" level=1 board=on\n"), 0);
    }
};

TEST_F(FinanceCliTest, BankBorrowAndRepayWithTheirRefusalsInOrder) {
    EXPECT_EQ(run("bank\n"), 0);
    EXPECT_TRUE(
        printed("Tform_bank: The Bank\n  Your Bank Account : 4000000\n  Current Bank Loan : 0\n"
                "  Maximum credit : 1000000\n  Interest rate : 0\n  Maximum new loan : 1000000\n"
                "  Borrow now: up to 1000000\n  Repay now: disabled\n  Welcome to the bank Sir.\n"
                "  What can we do for you ?\n"));
    EXPECT_EQ(run("repay 50000\nborrow 0\nborrow 2000000\nborrow 10\nrepay 0\nrepay 400000\n"), 0);
    EXPECT_EQ(out.str(),
              "[message] The Bank | The bank takes repayments only on a loan of 50,000 or more. -> Ok\n"
              "bank: account 4000000, loan 0, interest rate 0%\n"
              "[message] The Bank | Enter the amount you want to borrow. -> Ok\n"
              "bank: account 4000000, loan 0, interest rate 0%\n"
              "borrowed 1000000\n"
              "bank: account 5000000, loan 1000000, interest rate 8%\n"
              "[message] The Bank | The bank will not lend you any more money. -> Ok\n"
              "bank: account 5000000, loan 1000000, interest rate 8%\n"
              "[message] The Bank | Enter the amount you want to repay. -> Ok\n"
              "bank: account 5000000, loan 1000000, interest rate 8%\n"
              "repaid 400000\n"
              "bank: account 4600000, loan 600000, interest rate 7%\n");
    EXPECT_EQ(run("borrow lots\n"), 2);
}

TEST_F(FinanceCliTest, IssueAndBuyBackShares) {
    EXPECT_EQ(run("answer no\nissue-shares\n"), 0);
    EXPECT_TRUE(printed("[dialog] Are you sure | You will get "));
    EXPECT_TRUE(printed("-> No\nshares: you own 40%"));
    EXPECT_EQ(run("exchange\n"), 0);
    EXPECT_TRUE(printed("Tform_stock: CW2 - The Exchange\n  Company"));
    EXPECT_TRUE(printed("| Share price | Shares in your company % | Your company own %\n  Acme "));
    EXPECT_TRUE(printed("history (oldest first): 0 0 0"));
    EXPECT_EQ(run("buy-shares\n"), 0);
    EXPECT_TRUE(
        printed("[notify] No Shares available | Nobody was interrested in selling you some shares at the "
                "moment\nshares: you own 40%"));
}

TEST_F(FinanceCliTest, TheJanuaryMeetingIsPrintedAndTheBoardCommandShowsTheGoal) {
    EXPECT_EQ(run("board\n"), 0);
    EXPECT_TRUE(printed("goal 0 (kind 0): None\n"));
    EXPECT_EQ(run("next-week\n"), 0);
    EXPECT_TRUE(
        printed("TForm_boardmeeting: Annual board meeting\n"
                "  Welcome to our First annual board Meeting in Acme\n  \n"
                "  Our Intermediate goal will be : Make an engine. For one or more of current platforms\n"
                "  We expect the engine to finished in maximum 4 Year(s)\n"));
    EXPECT_TRUE(printed("  Board members opinion about you : 32 (Good)\n[screen] TForm_boardmeeting -> closed\n"));
    EXPECT_EQ(run("board\n"), 0);
    EXPECT_TRUE(
        printed("goal 1 (kind 1): Make an engine. For one or more of current platforms\nyears left: 4\n"
                "reached now: no\nopinion: 30 (Good)\n"));
}

TEST_F(FinanceCliTest, TheBankOpenedByADebtWarningTakesQueuedLoans) {
    s.game->world().money = -200000;
    EXPECT_EQ(run("answer ok \"borrow 900000\"\nnext-week\nbank\n"), 0);
    EXPECT_TRUE(printed("[dialog] Financial | You are in debt and have to repay some money to the bank."));
    EXPECT_TRUE(printed("borrowed 900000\n"));
    EXPECT_TRUE(printed("[screen] Tform_bank -> closed\n"));
    EXPECT_EQ(s.game->world().loan, 900000);
    EXPECT_EQ(s.game->world().debtWeeks, 0);
}

TEST_F(FinanceCliTest, QuittingPrintsTheEndScreenWithTheFinalScore) {
    EXPECT_EQ(run("end-game\necho after\n"), 0);
    EXPECT_TRUE(
        printed("Tform_end_screen: Game is over\n  Game Over\n  Acme, Week 1, 1980\n  Final Score : 1500\n"
                "  New high score (the best was 0)\n[screen] Tform_end_screen -> closed\n"));
    EXPECT_FALSE(printed("after"));
}

}  // namespace
}  // namespace cw::cli
