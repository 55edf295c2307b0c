// The building commands as a script sees them: an office built, played to
// its end, and ten more office places to show for it.
#include <gtest/gtest.h>

#include "cli/driver.h"
#include "fakes/cli_session.h"
#include "fakes/tiny_data.h"

namespace cw::cli {
namespace {

class BuildingsCliTest : public test::CliSessionTest {
protected:
    void SetUp() override {
        test::writeTinyDataArchive(dir);
        ASSERT_EQ(run("new-game company=\"Acme\" player=\"Ann\" level=1 board=no\n"), 0);
    }
};

TEST_F(BuildingsCliTest, AnOfficeBuiltAndPlayedToItsEndGivesTenPlaces) {
    EXPECT_EQ(run("buildings\n"), 0);
    EXPECT_TRUE(printed("  Offices: No building | Build Cost : 800000 | Build enabled, Upgrade disabled\n"));
    EXPECT_TRUE(printed("  Headquarters: Current Level   : 1 | Cost next Level : 3000000 | Build disabled, "
                        "Upgrade enabled\n"));
    EXPECT_TRUE(printed("  Games test center: Setup Game testcenter : 250000$ | Setup enabled\n"));
    EXPECT_TRUE(printed("offices: 1/5 (employees/office places)\n"));

    EXPECT_EQ(run("answer no\nbuild office\nbuild office\nbuild office\n"), 0);
    EXPECT_TRUE(printed("[message] Construction | Start Construction. Construction Cost 800000$ -> No\n"
                        "build: not done: Construction | Start Construction. Construction Cost 800000$\n"
                        "[message] Construction | Start Construction. Construction Cost 800000$ -> Yes\n"
                        "[notify] Construction | Funds ok.\\nConstruction started\n"));
    EXPECT_TRUE(printed("build: not done: Building already in progress | Construction already in progress on this "
                        "building\n"));
    EXPECT_EQ(run("tasks\n"), 0);
    EXPECT_TRUE(printed("  1: *Build* Office |"));

    EXPECT_EQ(run("next-week 75\nbuildings\nstatus\n"), 0);
    EXPECT_TRUE(printed("[notify] Building project finished | Building Project *Build* Office finished this week.\n"));
    EXPECT_TRUE(printed("  Offices: Current Level   : 1 | Cost next Level : 1200000 | Build disabled, Upgrade enabled\n"));
    EXPECT_TRUE(printed("offices: 1/15 (employees/office places)\n"));
    EXPECT_TRUE(printed("offices: 1/15\n"));
}

TEST_F(BuildingsCliTest, FacilitiesNegotiationSpeedUpAndCancel) {
    EXPECT_EQ(run("setup testcenter\nsetup soundstudio\nnegotiation close\nnegotiation open\nbuildings\n"), 0);
    EXPECT_TRUE(printed("[dialog] Setup testcenter | Are you sure you will setup a test center ? -> Yes\n"
                        "setup: done, cash 3750000\n"));
    EXPECT_TRUE(printed("setup: done, cash 3500000\n"));
    EXPECT_TRUE(printed("negotiation: not done: Close Publisher department"));
    EXPECT_TRUE(printed("negotiation: done, cash 3400000\n"));
    EXPECT_TRUE(printed("  Sound studio: Level 1-Upgrade Sound studio : 500000$ | Setup enabled\n"));
    EXPECT_TRUE(printed("  Publisher negotiation department : open | Setup disabled, Close enabled\n"));

    EXPECT_EQ(run("build warehouse\nspeed-up 1\ncancel 1\n"), 0);
    EXPECT_TRUE(printed("[message] Speed up project ? | Do you which to speed up the building project *Build* "
                        "Warehouse\\nIt will cost you 276000$ -> Yes\n"));
    // 1500..1899 of progress: past 1000, the builders cannot be stopped.
    EXPECT_TRUE(printed("cancel: not done: Cancel project ?"));
    EXPECT_EQ(run("cancel 2\ncancel x\nbuild tower\n"), 2);
}

}  // namespace
}  // namespace cw::cli
