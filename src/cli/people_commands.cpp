// People commands of the headless driver: the "Hire/view Employees" screen
// as text, with its filters, the person sheet and the job interview.
#include <algorithm>
#include <memory>

#include "cli/commands.h"
#include "cli/driver.h"
#include "people/hiring.h"
#include "people/labour_market.h"

namespace cw::cli {

// One hiring screen per run, so that the filters, the sort and an open
// interview carry over from one command to the next as they do on screen.
struct HiringCliState {
    explicit HiringCliState(Session& s) : screen(*s.game, &s.ref) {}
    HiringScreen screen;
};

namespace {

HiringScreen& screenOf(Session& s) {
    if (!s.hiring) s.hiring = std::make_shared<HiringCliState>(s);
    return s.hiring->screen;
}

// Finds `text` among the items (case-insensitive, or by its first word
// without a full stop);
// -1 when none fits.
int itemIndex(const std::string& text, const std::vector<std::string>& items) {
    auto lower = [](std::string t) {
        std::transform(t.begin(), t.end(), t.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return t;
    };
    const std::string want = lower(text);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string item = lower(items[i]);
        std::string word = item.substr(0, item.find(' '));
        if (!word.empty() && word.back() == '.') word.pop_back();
        if (item == want || word == want) return static_cast<int>(i);
    }
    return -1;
}

std::string joined(const std::vector<std::string>& items) {
    std::string t;
    for (const std::string& i : items) t += (t.empty() ? "" : "|") + i;
    return t;
}

void printSheet(std::ostream& out, const std::string& sheet) {
    std::size_t start = 0;
    while (start < sheet.size()) {
        std::size_t end = sheet.find("\r\n", start);
        if (end == std::string::npos) end = sheet.size();
        out << "  " << oneLine(sheet.substr(start, end - start)) << '\n';
        start = end + 2;
    }
}

void printRows(std::ostream& out, const HiringScreen& screen, long long limit) {
    const auto& rows = screen.rows();
    std::array<std::size_t, 5> width{};
    for (std::size_t c = 0; c < 5; ++c) width[c] = std::string(kCandidateColumns[c]).size();
    const std::size_t shown = std::min<std::size_t>(rows.size(), static_cast<std::size_t>(limit));
    for (std::size_t r = 0; r < shown; ++r)
        for (std::size_t c = 0; c < 5; ++c) width[c] = std::max(width[c], cellWidth(rows[r].cells[c]));
    auto line = [&](const std::array<std::string, 5>& cells) {
        std::string text;
        for (std::size_t c = 0; c < 5; ++c) {
            if (c > 0) text += " | ";
            const std::string cell = oneLine(cells[c]);
            text += cell;
            if (c + 1 < 5) text.append(width[c] - cellWidth(cell), ' ');
        }
        out << "  " << text << '\n';
    };
    line(
        {kCandidateColumns[0], kCandidateColumns[1], kCandidateColumns[2], kCandidateColumns[3], kCandidateColumns[4]});
    for (std::size_t r = 0; r < shown; ++r) line(rows[r].cells);
    if (shown < rows.size()) out << "  ... " << rows.size() - shown << " more\n";
}

void printInterview(std::ostream& out, const Interview& iv) {
    out << iv.moodText << '\n';
    if (iv.answerKind != Interview::Answer::None)
        out << "answer (" << (iv.answerKind == Interview::Answer::Accepted ? "accepted" : "refused")
            << "): " << oneLine(iv.answer) << '\n';
    out << "offer: " << (iv.offerEnabled ? "open" : "closed") << ", hire: " << (iv.hireEnabled ? "enabled" : "disabled")
        << '\n';
}

std::string cmdPeople(Session& s, const Command& cmd) {
    HiringScreen& screen = screenOf(s);
    long long limit = 1000000;
    std::vector<std::string> areas(kWorkAreaItems.begin(), kWorkAreaItems.end());
    std::vector<std::string> ratings = {"all", "45", "60"};
    std::vector<std::string> skills(kSkillItems.begin(), kSkillItems.end());
    std::vector<std::string> columns = {"name", "salary", "hiredby", "rating", "id"};
    // The screen opens first (the rating filter follows the headquarters),
    // then the options are the player's clicks, in the order written.
    screen.open();
    for (const Arg& a : cmd.args) {
        if (a.key.empty()) return "unexpected \"" + a.value + "\"; options are key=value";
        long long n = 0;
        if (a.key == "area") {
            int i = itemIndex(a.value, areas);
            if (i < 0 && parseInt(a.value, n) && n >= 1 && n <= 4) i = static_cast<int>(n) - 1;
            if (i < 0) return "area must be " + joined({"software", "hardware", "publishers", "misc"}) + " or 1..4";
            screen.setWorkArea(i + 1);
        } else if (a.key == "rating") {
            int i = itemIndex(a.value, ratings);
            if (i < 0) i = itemIndex(a.value, {"All", "Max 45", "Max 60"});
            if (i < 0) return "rating must be all|45|60";
            screen.setRatingItem(i);
        } else if (a.key == "skill") {
            const int i = itemIndex(a.value, skills);
            if (i < 0) return "skill must be " + joined(skills);
            screen.setSkill(i);
        } else if (a.key == "level") {
            if (a.value == "any" || a.value.empty())
                n = 0;
            else if (!parseInt(a.value, n) || n < 1 || n > 9)
                return "level must be any or 1..9";
            if (!screen.filter().levelEnabled() && n > 0) return "the level box is disabled while the skill is Any";
            screen.setLevel(static_cast<i32>(n));
        } else if (a.key == "sort") {
            const int i = itemIndex(a.value, columns);
            if (i < 0) return "sort must be " + joined(columns);
            screen.sortBy(i);
        } else if (a.key == "limit") {
            if (!parseInt(a.value, limit) || limit < 0) return "limit must be a whole number";
        } else {
            return "unknown option " + a.key;
        }
    }
    const CandidateFilter& f = screen.filter();
    s.out << "Hire/view Employees: " << kWorkAreaItems[static_cast<std::size_t>(f.workArea - 1)] << ", rating "
          << kRatingItems[static_cast<std::size_t>(f.ratingItem)] << ", skill "
          << kSkillItems[static_cast<std::size_t>(f.skill)] << ", level "
          << (f.level > 0 ? std::to_string(f.level) : std::string(f.levelEnabled() ? "any" : "(disabled)"));
    if (screen.sortColumn() >= 0)
        s.out << ", sorted by " << kCandidateColumns[static_cast<std::size_t>(screen.sortColumn())]
              << (screen.sortAscending() ? " ascending" : " descending");
    s.out << '\n'
          << "employees: " << employeeCount(*s.game) << " of " << officeCapacity(*s.game) << " office places\n"
          << "candidates: " << screen.rows().size() << '\n';
    printRows(s.out, screen, limit);
    return {};
}

std::string cmdPerson(Session& s, const Command& cmd) {
    long long n = 0;
    if (cmd.args.size() != 1) return "takes one person number";
    if (auto err = needInt(cmd, 0, 1, 5000, n); !err.empty()) return err;
    if (s.game->tables().people[static_cast<int>(n)].name.empty()) {
        s.out << "person " << n << ": nobody\n";
        return {};
    }
    HiringScreen& screen = screenOf(s);
    screen.select(static_cast<i32>(n));
    s.out << "Currently viewing: #" << n << '\n';
    printSheet(s.out, personSheet(*s.game, static_cast<i32>(n)));
    if (s.game->tables().people[static_cast<int>(n)].employed)
        s.out << "  (employed by you: cannot be hired)\n";
    return {};
}

std::string cmdInterview(Session& s, const Command& cmd) {
    HiringScreen& screen = screenOf(s);
    if (cmd.args.size() == 1 && cmd.args[0].key.empty() && cmd.args[0].value == "cancel") {
        screen.cancel();
        s.out << "interview closed\n";
        return {};
    }
    long long n = 0;
    if (cmd.args.size() != 1) return "takes one person number or \"cancel\"";
    if (auto err = needInt(cmd, 0, 1, 5000, n); !err.empty()) return err;
    const Person& person = s.game->tables().people[static_cast<int>(n)];
    // The screen only offers people on the market; an employee of the
    // player is still reached, and opens nothing.
    if (person.name.empty() || person.labourMarketYear > s.game->currentYear) {
        s.out << "person " << n << " is not on the labour market\n";
        return {};
    }
    screen.select(static_cast<i32>(n));
    screen.moveToInterest();
    if (!screen.hireEnabled()) {
        // The screen's "Hire" is disabled for one of the player's own people.
        s.out << "interview: refused: #" << n << ' ' << oneLine(person.name.str()) << " is already employed by you\n";
        return {};
    }
    if (screen.hire(s.player)) return {};  // the notice is in the transcript
    const Interview& iv = screen.interview();
    if (!iv.open) return {};
    s.out << "interview: #" << n << ' ' << oneLine(person.name.str()) << '\n';
    printSheet(s.out, iv.sheet);
    s.out << "company appeal: " << iv.companyAppeal << '\n'
          << "opening answer: " << oneLine(iv.openingAnswer) << '\n'
          << "Previous wage : " << iv.previousWage << '\n'
          << "Wage : " << iv.wageField << '\n'
          << "non-recurring: " << iv.oneOffField << '\n';
    printInterview(s.out, iv);
    return {};
}

std::string parseYesNo(const std::string& key, const std::string& v, bool& out) {
    if (v == "yes" || v == "on")
        out = true;
    else if (v == "no" || v == "off")
        out = false;
    else
        return key + " must be yes or no";
    return {};
}

std::string cmdOffer(Session& s, const Command& cmd) {
    HiringScreen& screen = screenOf(s);
    const Interview& iv = screen.interview();
    if (!iv.open) {
        s.out << "offer: no interview is open\n";
        return {};
    }
    std::string wage = iv.wageField, oneOff = iv.oneOffField;
    bool car = iv.freeCar, phone = iv.freePhone, computer = iv.freeComputer;
    int study = iv.studyChoice, managing = iv.managingChoice;
    const std::vector<std::string> choices(kChoiceWords.begin(), kChoiceWords.end());
    for (const Arg& a : cmd.args) {
        if (a.key == "salary" || a.key == "wage") {
            wage = a.value;
        } else if (a.key == "oneoff") {
            oneOff = a.value;
        } else if (a.key == "car") {
            if (auto e = parseYesNo(a.key, a.value, car); !e.empty()) return e;
        } else if (a.key == "phone") {
            if (auto e = parseYesNo(a.key, a.value, phone); !e.empty()) return e;
        } else if (a.key == "computer") {
            if (auto e = parseYesNo(a.key, a.value, computer); !e.empty()) return e;
        } else if (a.key == "study" || a.key == "managing") {
            const int i = itemIndex(a.value, choices);
            if (i < 0) return a.key + " must be no|little|some|much";
            (a.key == "study" ? study : managing) = i;
        } else {
            return a.key.empty() ? "unexpected \"" + a.value + "\"; options are key=value" : "unknown option " + a.key;
        }
    }
    if (!iv.offerEnabled) {
        s.out << "offer: the offer part is disabled\n";
        return {};
    }
    // The choices are buttons that go round NO, LITTLE, SOME, MUCH.
    while (iv.studyChoice != study) screen.toggleStudy();
    while (iv.managingChoice != managing) screen.toggleManaging();
    screen.setFreeCar(car);
    screen.setFreePhone(phone);
    screen.setFreeComputer(computer);
    s.out << "offer: wage " << wage << ", non-recurring " << oneOff << ", car " << (car ? "yes" : "no") << ", phone "
          << (phone ? "yes" : "no") << ", computer " << (computer ? "yes" : "no") << ", time for Study "
          << kChoiceWords[static_cast<std::size_t>(study)] << ", team managing "
          << kChoiceWords[static_cast<std::size_t>(managing)] << '\n';
    if (screen.suggest(s.player, wage, oneOff)) return {};  // refused before any patience was spent
    printInterview(s.out, iv);
    return {};
}

std::string cmdHire(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    HiringScreen& screen = screenOf(s);
    const Interview& iv = screen.interview();
    if (!iv.open) {
        s.out << "hire: no interview is open\n";
        return {};
    }
    const i32 who = iv.person;
    if (!screen.confirmHire(s.player)) {
        s.out << "hire: the button is disabled until an offer is accepted\n";
        return {};
    }
    const Person& p = s.game->tables().people[who];
    s.out << "hired: #" << who << ' ' << oneLine(p.name.str()) << ", salary " << p.salary << ", study weeks " << p.studyWeeksLeft
          << ", managing weeks " << p.leadWeeksLeft << ", money " << s.game->world().money << ", employees "
          << employeeCount(*s.game) << " of " << officeCapacity(*s.game) << '\n';
    return {};
}

}  // namespace

void registerPeopleCommands(CommandTable& t) {
    t.add({"people", "people [area=A] [rating=R] [skill=S] [level=L] [sort=C]... [limit=N]",
           "open the hiring screen and list the candidates under the filters", cmdPeople, kNeedsGame});
    t.add({"person", "person N", "show the sheet of person N (\"Currently viewing\")", cmdPerson, kNeedsGame});
    t.add({"interview", "interview N|cancel", "make N the person of interest and press \"Hire\"; or close it",
           cmdInterview, kNeedsGame});
    t.add({"offer", "offer [salary=W] [oneoff=X] [car=yes|no] [phone=yes|no] [computer=yes|no] [study=C] [managing=C]",
           "fill in the offer and press \"Suggest\"", cmdOffer, kNeedsGame});
    t.add({"hire", "hire", "press the interview's final \"hire\"", cmdHire, kNeedsGame});
}

}  // namespace cw::cli
