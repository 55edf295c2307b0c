// Release commands of the headless driver: the publisher list and its
// deals, the distribution of a finished game, the product list and the
// release of a ready product.
#include <utility>

#include "cli/commands.h"
#include "cli/driver.h"
#include "dev/product_finish.h"
#include "dev/release.h"
#include "market/advertising.h"
#include "market/publishers.h"
#include "state/shared_ops.h"
#include "state/tasks.h"

namespace cw::cli {
namespace {

void printOffers(std::ostream& out, const std::vector<PublisherOffer>& offers) {
    out << "  row | Publisher | % of sales | Weekly OutPut | Advertising | Id\n";
    int row = 1;
    for (const PublisherOffer& o : offers)
        out << "  " << row++ << " | " << o.name << " | " << o.share << " | " << o.output << " | " << o.advertisingWord
            << " | " << o.id << '\n';
    if (offers.empty()) out << "  (no publisher offers a deal)\n";
}

bool isGameTask(const Game& g, long long task) {
    const auto& tasks = g.tables().tasks;
    return tasks.inRange(static_cast<int>(task)) && !tasks[static_cast<int>(task)].name.blank() &&
           tasks[static_cast<int>(task)].taskType == kTaskGame;
}

// The deal on row `row` of the list, through the same two questions the
// screen asks: "yes" takes the offer with advertising, "no" then "yes" the
// one without.
void signRow(Session& s, int task, int row, bool advertising) {
    if (advertising) {
        s.player.queueFront({Answer::Yes, {}});
    } else {
        s.player.queueFront({Answer::Yes, {}});
        s.player.queueFront({Answer::No, {}});
    }
    const std::size_t before = s.player.queued();
    OfferDeal(*s.game, s.player, task, row - 1);
    // A refused deal asks nothing; its answers must not reach later dialogs.
    std::size_t left = s.player.queued();
    const std::size_t ours = advertising ? 1 : 2;
    const std::size_t used = before - left;
    for (std::size_t k = used; k < ours && left > 0; ++k, --left) s.player.takeAnyAnswer();
}

std::string cmdPublishers(Session& s, const Command& cmd) {
    const Game& g = *s.game;
    for (const Arg& a : cmd.args)
        if (a.key != "task") return "unexpected argument " + (a.key.empty() ? a.value : a.key);
    if (auto task = cmd.option("task")) {
        long long n = 0;
        if (!parseInt(*task, n) || !isGameTask(g, n)) return "task= takes the number of a game task";
        s.publisherTask = static_cast<int>(n);
        const GameTitle& game = g.tables().tasks[static_cast<int>(n)].game;
        s.out << "publishers for task " << n << " (" << g.tables().tasks[static_cast<int>(n)].name.view() << ")";
        if (game.companyRow != 0) s.out << ": signed with company " << game.companyRow;
        s.out << '\n';
    } else {
        s.out << "publishers:\n";
    }
    printOffers(s.out, publisherOffers(g));
    return {};
}

std::string cmdSign(Session& s, const Command& cmd) {
    long long row = 0;
    if (std::string err = needInt(cmd, 0, 1, 500, row); !err.empty()) return err;
    if (cmd.positional().size() > 1) return "takes one row number";
    bool advertising = true;
    int task = s.publisherTask;
    for (const Arg& a : cmd.args) {
        if (a.key.empty()) continue;
        if (a.key == "advertising") {
            if (a.value != "yes" && a.value != "no") return "advertising= takes yes or no";
            advertising = a.value == "yes";
        } else if (a.key == "task") {
            long long n = 0;
            if (!parseInt(a.value, n) || !isGameTask(*s.game, n)) return "task= takes the number of a game task";
            task = static_cast<int>(n);
        } else {
            return "unexpected option " + a.key;
        }
    }
    if (task == 0 || !isGameTask(*s.game, task)) return "no game task chosen (use publishers task=N or task=N)";
    const std::size_t count = publisherOffers(*s.game).size();
    if (static_cast<std::size_t>(row) > count) return "the publisher list has " + std::to_string(count) + " rows";
    signRow(s, task, static_cast<int>(row), advertising);
    const GameTitle& game = s.game->tables().tasks[task].game;
    s.out << "task " << task << ": publisher " << game.companyRow << ", share " << int(game.publisherShare)
          << " %, weekly output " << game.weeklyOutput << ", advertising " << game.advertising << ", hype "
          << game.hype << '\n';
    return {};
}

std::string cmdDistribute(Session& s, const Command& cmd) {
    std::string regions;
    for (const Arg& a : cmd.args) {
        if (a.key != "us" && a.key != "eu" && a.key != "asia") return "takes us=, eu= and asia=";
        if (a.value != "yes" && a.value != "no") return a.key + "= takes yes or no";
        if (a.value == "yes") regions += (regions.empty() ? "" : ",") + a.key;
    }
    if (regions.empty()) return "choose at least one region (OK stays disabled without one)";
    s.answerRegions = regions;
    s.out << "the next distribution dialog takes: " << regions << '\n';
    return {};
}

std::string cmdProducts(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    const Game& g = *s.game;
    const auto& products = g.world().products;
    int shown = 0;
    s.out << "  N | kind | name | state | week sales | total | chart\n";
    for (int k = products.first; k <= products.last; ++k) {
        const ProductEntry& e = products[k];
        if (e.kind == 0) continue;
        ++shown;
        if (const GameTitle* t = productTitle(g, k)) {
            s.out << "  " << k << " | game | " << t->title.view() << " | " << productStateText(g, k) << " | "
                  << (t->weekSalesUS + t->weekSalesEU + t->weekSalesAsia) << " | " << t->totalSales << " | "
                  << int(t->chartPos) << '\n';
        } else if (e.kind == 4 && g.tables().platforms.inRange(e.refA)) {
            s.out << "  " << k << " | platform | " << g.tables().platforms[e.refA].name.view() << " | "
                  << productStateText(g, k) << " | - | - | -\n";
        } else {
            s.out << "  " << k << " | " << (e.kind == 2 ? "engine" : "other") << " | " << e.refA << '/' << e.refB
                  << " | " << productStateText(g, k) << " | - | - | -\n";
        }
    }
    s.out << "products: " << shown << '\n';
    return {};
}

std::string cmdRelease(Session& s, const Command& cmd) {
    long long k = 0;
    if (std::string err = needInt(cmd, 0, 1, 3500, k); !err.empty()) return err;
    const std::string refusal = releaseProduct(*s.game, s.player, static_cast<int>(k));
    if (!refusal.empty()) {
        s.out << "refused: " << refusal << '\n';
        return {};
    }
    const ProductEntry& e = s.game->world().products[static_cast<int>(k)];
    if (!e.released) {
        s.out << "not released: product " << k << " stays ready for release\n";
    } else if (e.kind == ProductPlatform && e.refB < 1) {
        const Platform& pf = s.game->tables().platforms[e.refA];
        s.out << "released: product " << k << " is platform " << e.refA << " (" << pf.name.str()
              << "), on the market from week " << int(pf.releaseWeek) << ' ' << pf.releaseYear << ": market share "
              << int(pf.marketShare) << ", opinion " << pf.opinion << ", hype " << pf.hype << ", bug cooldown "
              << int(pf.bugCooldown) << " weeks\n";
    } else {
        s.out << "released: product " << k << " is title " << e.refA << '/' << e.refB << ", on sale from week "
              << int(s.game->tables().gameTitles[e.refA][e.refB].releaseWeek) << ' ' << e.refA << '\n';
    }
    return {};
}

void printCampaigns(std::ostream& out, const Task& t) {
    out << "Advertising: " << t.name.view() << " (hype " << projectHype(t) << ")\n";
    for (int k = 1; k <= 7; ++k)
        out << "  " << k << " | " << campaignCaption(k) << " " << campaignStatus(t, k) << " | " << campaignWeeks(t, k)
            << " units\n";
}

std::string cmdCampaigns(Session& s, const Command& cmd) {
    long long task = 0;
    if (std::string err = needInt(cmd, 0, 1, 500, task); !err.empty()) return err;
    const Task& t = s.game->tables().tasks[static_cast<int>(task)];
    if (t.name.blank()) return "there is no task " + std::to_string(task);
    printCampaigns(s.out, t);
    return {};
}

std::string cmdAdvertise(Session& s, const Command& cmd) {
    long long task = 0, type = 0;
    if (std::string err = needInt(cmd, 0, 1, 500, task); !err.empty()) return err;
    if (std::string err = needInt(cmd, 1, 1, 7, type); !err.empty()) return err;
    int area = 1;
    if (auto a = cmd.option("area")) {
        if (*a == "national") area = 1;
        else if (*a == "continent") area = 2;
        else if (*a == "world") area = 3;
        else return "area= takes national, continent or world";
    }
    // The screen is reached only from a project in development.
    if (std::string refusal = advertisingRefusal(*s.game, static_cast<int>(task)); !refusal.empty()) {
        s.out << "refused: " << refusal << '\n';
        return {};
    }
    const bool started =
        StartCampaign(*s.game, s.player, static_cast<int>(task), static_cast<int>(type), area);
    s.out << (started ? "started: " : "not started: ") << campaignCaption(static_cast<int>(type)) << ", "
          << campaignAreaText(area) << ", Price : " << campaignPrice(static_cast<int>(type), area) << '\n';
    return {};
}

void printProjectStatus(std::ostream& out, const ProjectStatusDialog& d) {
    out << "TForm_project_finished: " << ProjectStatusDialog::kCaption << " (task " << d.task << ")\n";
    for (std::size_t i = 0; i < d.values.size(); ++i)
        out << "  " << ProjectStatusDialog::kLabels[i] << ' ' << d.values[i] << '\n';
    if (!d.platformsText.empty()) out << "  " << oneLine(d.platformsText) << '\n';
    out << "  status: " << (d.statusText.empty() ? std::string("(none)") : oneLine(d.statusText)) << '\n';
    out << "  buttons: [" << ProjectStatusDialog::kImprove << (d.improveEnabled ? "]" : " (disabled)]") << " ["
        << ProjectStatusDialog::kFinish << (d.finishEnabled ? "]" : " (disabled)]") << " ["
        << ProjectStatusDialog::kClose << "]\n";
}

// The status dialog the week or a command opened: it prints what it shows
// and presses the queued button; with nothing queued it closes, so the
// week never waits.
void runProjectStatusScreen(Session& s, std::ostream& out) {
    Game& g = *s.game;
    const ProjectStatusDialog d = projectStatusDialog(g, openProjectStatusTask());
    printProjectStatus(out, d);
    const std::string choice = std::exchange(s.answerProjectStatus, {});
    if (choice.empty() || choice == "close") {
        out << "  " << (choice.empty() ? "nothing queued: " : "choice: ") << ProjectStatusDialog::kClose << '\n';
        return;
    }
    if (choice == "improve") {
        out << "  choice: " << ProjectStatusDialog::kImprove << '\n';
        const std::string refusal = improveProduct(g, s.player, d.task);
        if (!refusal.empty()) out << "  refused: " << refusal << '\n';
        return;
    }
    out << "  choice: " << ProjectStatusDialog::kFinish << '\n';
    const FinishOutcome o = finishProject(g, s.player, d.task);
    if (o.finished)
        out << "  finished: platform " << o.platform << ", product " << o.product << " (ready for release)\n";
    else if (!o.refusal.empty())
        out << "  refused: " << o.refusal << '\n';
}

std::string cmdProjectStatus(Session& s, const Command& cmd) {
    long long task = 0;
    if (std::string err = needInt(cmd, 0, 1, 500, task); !err.empty()) return err;
    if (cmd.args.size() != 1) return "takes one task number";
    if (s.game->tables().tasks[static_cast<int>(task)].name.empty()) {
        s.out << "task " << task << ": no task in this slot\n";
        return {};
    }
    showProjectStatus(*s.game, s.player, static_cast<int>(task));
    return {};
}

void runPublisherScreen(Session& s, std::ostream& out) {
    Game& g = *s.game;
    const int task = openPublisherTask();
    const std::vector<PublisherOffer> offers = publisherOffers(g);
    out << "TForm_GamePublisher: task " << task << '\n';
    printOffers(out, offers);
    const int row = std::exchange(s.answerPublisher, 0);
    const bool advertising = std::exchange(s.answerAdvertising, true);
    if (row > 0 && row <= static_cast<int>(offers.size())) {
        out << "  choice: row " << row << (advertising ? " with" : " without") << " advertising\n";
        signRow(s, task, row, advertising);
    } else if (row > 0) {
        out << "  no row " << row << "; closed without a deal (the first offer, with advertising)\n";
    } else {
        out << "  nothing queued: the first offer, with advertising\n";
    }
}

void runDistributionScreen(Session& s, std::ostream& out) {
    Game& g = *s.game;
    const int task = openDistributionTask();
    out << "Tform_releasegame: Distribution (task " << task << ")\n"
        << "  USA " << distributionCost(g, {true, false, false}) << " $, Europe "
        << distributionCost(g, {false, true, false}) << " $, Asia " << distributionCost(g, {false, false, true})
        << " $, cash " << g.world().money << " $\n";
    const std::string text = std::exchange(s.answerRegions, {});
    Regions r;
    if (text.empty() || !parseRegions(text, r)) {
        r = defaultRegions(g);
        out << "  nothing queued: every region the company can pay for\n";
    }
    const int share = distributionShare(g, task, r);
    const i32 cost = distributionCost(g, r);
    if (chooseDistribution(g, task, r).empty())
        out << "  OK: " << (r.us ? "USA " : "") << (r.eu ? "Europe " : "") << (r.asia ? "Asia " : "")
            << "| Publisher get : " << share << "% | " << cost << "$\n";
}

}  // namespace

bool parseRegions(const std::string& text, Regions& r) {
    r = {};
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(',', start);
        if (end == std::string::npos) end = text.size();
        const std::string item = text.substr(start, end - start);
        if (item == "us") r.us = true;
        else if (item == "eu") r.eu = true;
        else if (item == "asia") r.asia = true;
        else return false;
        start = end + 1;
    }
    return r.any();
}

bool runReleaseScreen(Session& s, ScreenId screen, std::ostream& out) {
    if (!s.game) return false;
    if (screen == ScreenId::PublisherChoice) {
        runPublisherScreen(s, out);
        return true;
    }
    if (screen == ScreenId::Distribution) {
        runDistributionScreen(s, out);
        return true;
    }
    if (screen == ScreenId::ProjectStatus) {
        runProjectStatusScreen(s, out);
        return true;
    }
    if (screen == ScreenId::Advertising) {
        const auto& tasks = s.game->tables().tasks;
        if (tasks.inRange(openAdvertisingTask())) {
            out << "Tform_advertising: ";
            printCampaigns(out, tasks[openAdvertisingTask()]);
        }
        return true;
    }
    return false;
}

void registerReleaseCommands(CommandTable& t) {
    t.add({"publishers", "publishers [task=N]", "the publisher offers (share, weekly output, advertising)",
           cmdPublishers, kNeedsGame});
    t.add({"sign", "sign N [advertising=yes|no] [task=T]",
           "sign row N of the publisher list for the game task of the last publishers task=", cmdSign, kNeedsGame});
    t.add({"distribute", "distribute us=yes eu=yes asia=no", "the regions the next distribution dialog takes",
           cmdDistribute, kNeedsGame});
    t.add({"campaigns", "campaigns TASK", "the advertising screen of a task: each campaign's status and units",
           cmdCampaigns, kNeedsGame});
    t.add({"advertise", "advertise TASK CAMPAIGN [area=national|continent|world]",
           "start campaign 1..7 for a game or platform project in development (price type x 10,000 x area)",
           cmdAdvertise, kNeedsGame});
    t.add({"project-status", "project-status TASK",
           "the project status dialog of task TASK (\"Product development status\"); its button takes a queued "
           "answer improve|finish|close, Close when none is queued",
           cmdProjectStatus, kNeedsGame});
    t.add({"products", "products", "the product list with state, week sales, total and chart position", cmdProducts,
           kNeedsGame});
    t.add({"release", "release N", "release ready product N, a game or a console (on sale from next week)", cmdRelease,
           kNeedsGame});
}

}  // namespace cw::cli
