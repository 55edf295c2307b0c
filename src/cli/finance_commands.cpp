// Finance commands of the headless driver: the bank, the exchange and the
// board, and what the board meeting, the end screen and the bank show when
// the week opens them.
#include <algorithm>

#include "cli/commands.h"
#include "cli/driver.h"
#include "finance/bank.h"
#include "finance/board.h"
#include "finance/shares.h"

namespace cw::cli {
namespace {

// A screen's text, one transcript line per line of the text.
void printLines(std::ostream& out, const std::string& text) {
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        out << "  " << oneLine(text.substr(start, end - start)) << '\n';
        if (end == text.size()) break;
        start = end + 2;
    }
}

void printBank(std::ostream& out, const Game& g) {
    const BankScreen b = bankScreen(g);
    out << "Tform_bank: The Bank\n"
        << "  Your Bank Account : " << b.account << '\n'
        << "  Current Bank Loan : " << b.loan << '\n'
        << "  Maximum credit : " << b.maxCredit << '\n'
        << "  Interest rate : " << b.rate << '\n'
        << "  Maximum new loan : " << b.maxNewLoan << '\n';
    out << "  Borrow now: ";
    if (b.borrowEnabled)
        out << "up to " << b.borrowMax << '\n';
    else
        out << "disabled\n";
    out << "  Repay now: ";
    if (b.repayEnabled)
        out << "up to " << b.repayMax << '\n';
    else
        out << "disabled\n";
    printLines(out, b.comment);
}

void printAccount(std::ostream& out, const Game& g) {
    out << "bank: account " << g.world().money << ", loan " << g.world().loan << ", interest rate " << interestRate(g)
        << "%\n";
}

std::string amountArg(const Command& cmd, i32& amount) {
    if (cmd.args.size() != 1 || !cmd.args[0].key.empty()) return "takes one amount in dollars";
    long long n = 0;
    if (auto err = needInt(cmd, 0, 0, 2000000000, n); !err.empty()) return err;
    amount = static_cast<i32>(n);
    return {};
}

void runBorrow(Session& s, std::ostream& out, i32 amount) {
    i32 done = 0;
    if (!borrow(*s.game, s.player, amount, &done)) out << "borrowed " << done << '\n';
    printAccount(out, *s.game);
}

void runRepay(Session& s, std::ostream& out, i32 amount) {
    i32 done = 0;
    if (!repay(*s.game, s.player, amount, &done)) out << "repaid " << done << '\n';
    printAccount(out, *s.game);
}

std::string cmdBank(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    printBank(s.out, *s.game);
    return {};
}

std::string cmdBorrow(Session& s, const Command& cmd) {
    i32 amount = 0;
    if (auto err = amountArg(cmd, amount); !err.empty()) return err;
    runBorrow(s, s.out, amount);
    return {};
}

std::string cmdRepay(Session& s, const Command& cmd) {
    i32 amount = 0;
    if (auto err = amountArg(cmd, amount); !err.empty()) return err;
    runRepay(s, s.out, amount);
    return {};
}

void printHoldings(std::ostream& out, const Game& g) {
    out << "shares: you own " << g.world().sharesOwnedPercent << "%, share price " << sharePrice(g) << ", cash "
        << g.world().money << '\n';
}

std::string cmdExchange(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    const Game& g = *s.game;
    const ExchangeScreen e = exchangeScreen(g);
    s.out << "Tform_stock: CW2 - The Exchange\n";
    std::size_t width = e.headers[0].size();
    for (const ExchangeRow& r : e.rows) width = std::max(width, r.company.size());
    auto row = [&](const std::string& a, const std::string& b, const std::string& c, const std::string& d) {
        s.out << "  " << a << std::string(width - a.size(), ' ') << " | " << b << " | " << c << " | " << d << '\n';
    };
    row(e.headers[0], e.headers[1], e.headers[2], e.headers[3]);
    for (const ExchangeRow& r : e.rows)
        row(r.company, r.price, std::to_string(r.sharesInYours), std::to_string(r.yoursOwn));
    s.out << "packet: sell 5% for " << packetValue(g) << ", buy back 5% for " << buyBackPrice(g) << '\n';
    printHoldings(s.out, g);
    s.out << "chart: " << oneLine(e.chartTitle) << " (scale " << e.scale << ", marks " << e.lowMark << " and "
          << e.highMark << ", " << e.previousYear << " .. " << e.currentWeek << ")\n";
    s.out << "history (oldest first):";
    for (i32 v : e.history) s.out << ' ' << v;
    s.out << '\n';
    return {};
}

std::string cmdIssueShares(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    issueShares(*s.game, s.player);
    printHoldings(s.out, *s.game);
    return {};
}

std::string cmdBuyShares(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    buyBackShares(*s.game, s.player);
    printHoldings(s.out, *s.game);
    return {};
}

std::string cmdBoard(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    const World& w = s.game->world();
    s.out << "board meetings: " << (w.boardMeetingsEnabled ? "on (week 2 of every year)" : "off") << '\n';
    s.out << "goal " << w.boardGoalNumber << " (kind " << static_cast<int>(w.boardGoalType)
          << "): " << oneLine(w.companyGoalText.view()) << '\n';
    s.out << "years left: " << w.boardGoalYearsLeft << '\n';
    s.out << "reached now: " << (boardGoalAchieved(*s.game) ? "yes" : "no") << '\n';
    const int bar = std::clamp(w.boardOpinion + 2, 0, 100);
    s.out << "opinion: " << w.boardOpinion << " (" << opinionBarWord(bar) << ")\n";
    return {};
}

}  // namespace

void printModalScreen(Session& s, ScreenId screen, std::ostream& out) {
    if (runReleaseScreen(s, screen, out)) return;
    if (runExpoScreen(s, screen, out)) return;
    if (runPlatformPublisherScreen(s, screen, out)) return;
    const Game& g = *s.game;
    if (screen == ScreenId::BoardMeeting) {
        const BoardMeetingScreen m = boardMeetingScreen(g);
        out << "TForm_boardmeeting: " << m.caption << '\n';
        if (m.text.empty())
            out << "  (the board has nothing to say)\n";
        else
            printLines(out, m.text);
        out << "  " << m.barCaption << ' ' << m.barValue << " (" << opinionBarWord(m.barValue) << ")\n";
    } else if (screen == ScreenId::EndScreen) {
        const EndScreen e = endScreen(g);
        out << "Tform_end_screen: " << e.caption << '\n'
            << "  " << e.heading << '\n'
            << "  " << e.company << ", " << e.dateText << '\n'
            << "  " << e.scoreCaption << ' ' << e.score << '\n';
        if (e.newHighScore)
            out << "  New high score (the best was " << e.previousHighScore << ")\n";
        else
            out << "  High score : " << e.previousHighScore << '\n';
        // A queued "reports" presses "View Final annual reports".
        if (auto text = s.player.takeTextAnswer(); text && *text == "reports") printAnnualReport(s, out);
    } else if (screen == ScreenId::Bank) {
        // The bank opened by a debt warning takes queued "borrow N" and
        // "repay N" texts, then closes.
        printBank(out, g);
        while (auto text = s.player.takeTextAnswer()) {
            const bool borrowing = text->rfind("borrow ", 0) == 0;
            const bool repaying = text->rfind("repay ", 0) == 0;
            long long n = 0;
            if ((!borrowing && !repaying) || !parseInt(text->substr(borrowing ? 7 : 6), n) || n < 0 || n > 2000000000) {
                out << "  (\"" << *text << "\" is not borrow N or repay N; the bank closes)\n";
                break;
            }
            if (borrowing)
                runBorrow(s, out, static_cast<i32>(n));
            else
                runRepay(s, out, static_cast<i32>(n));
        }
    }
}

void registerFinanceCommands(CommandTable& t) {
    t.add({"bank", "bank", "the bank: account, loan, credit limit, interest rate and the banker's words", cmdBank});
    t.add({"borrow", "borrow N", "\"Borrow now\" with N dollars (cut to the maximum new loan)", cmdBorrow});
    t.add({"repay", "repay N", "\"Repay now\" with N dollars (cut to the loan)", cmdRepay});
    t.add({"exchange", "exchange", "the exchange: share prices, holdings and the share price history", cmdExchange});
    t.add({"issue-shares", "issue-shares", "\"Sell 5%\" of the company's shares (asks first)", cmdIssueShares});
    t.add({"buy-shares", "buy-shares", "\"Buy back 5%\" of the company's shares from a competitor", cmdBuyShares});
    t.add({"board", "board", "the board's current goal, the years left and its opinion", cmdBoard});
}

}  // namespace cw::cli
