#include "market/reviews.h"

#include <algorithm>
#include <limits>

#include "hardware/hardware_texts.h"
#include "quality/game_quality.h"
#include "state/shared_ops.h"
#include "state/tasks.h"

namespace cw {
namespace {

constexpr const char* kCrLf = "\r\n";

struct RangeA {
    i32 low, high;
    const char* phrase;
};
struct RangeBC {
    i32 low, high;
    const char* high10;  // r >= 10
    const char* low9;    // r <= 9
};

constexpr RangeA kVerdictA[] = {
    {-200, -30, " is very bad and does not at all meet the standard of other games in the genre"},
    {-29, -20, " is less then perfect and in this reviews opinon could have been so much better"},
    {-19, -10, " is not very good but worse examples has been seen"},
    {-9, -1, " is that its clearly has some potential but falls shorts in some of the main aspects"},
    {0, 5, " is good, and has some very nice features"},
    {6, 10, " is good. Not many games in this genre has been executed better in recent year"},
    {11, 20,
     " is very good. The game has some new and exciting features and in my opinion this is one of the best games in "
     "this genre"},
    {21, 30, " is extremly good. The game gets nearly all aspects right and is properly the best in this genre"},
    {31, 100,
     " is just great. This is by fare the best game I have seen for as long as i can remember in this genre. A lot of "
     "very simular games will properly appeare in the comming months and years"},
};

constexpr RangeBC kVerdictB[] = {
    {-200, -30, " is junk junk junk", " Is very bad and could do with a complete remake"},
    {-29, -20, " Is bad to say the least", " Is very bad and could do with a complete remake"},
    {-19, -10, " Is bad, only a few worser game in this genre has been seen in recent years",
     " Is bad, only a few worser game has been seen in recent years"},
    {-9, -1, " is fair, but need some finish", " is fair, not much more to say about it, just fair"},
    {0, 10, " is one of the better in this genre", " is one of the better compared to other games in this genre"},
    {11, 25, " is good, only a few games is better this year", " is good. Only a handful of games is better this year"},
    {26, 40, " is very good. in the past year this is one of the best in the genre",
     " is very good. Simply one of the best in the genre"},
    {41, 55,
     " is extremly good. This could very well get the game some awards on this years computer shows around the world",
     " is extremly good. Nearly perfect. I praise the makers of this game"},
    {56, 1000, " is great. This is by fare the best i have seen in this genre for as long as i can remember.",
     " is extremly good. Nearly perfect. I praise the makers of this game"},
};

constexpr RangeBC kVerdictC[] = {
    {-200, -30, " is horrible and does not at all meet the requirments of other games in the genre",
     " is properly the worst I have seen so fare in this genre"},
    {-29, -20, " is less then perfect and in this reviews opinon should be much better", " is not very good"},
    {-19, -10, " is not very good but worse has been seen in this genre",
     " is not very good but worse has been seen in this genre"},
    {-9, -1, " is ok, but could be better", " is fair, but could be improved a lot"},
    {0, 10, " is good, but not the best seen in this genre", " is an good example of the current standard of the genre"},
    {11, 25, " is very good, and not many games in the genre is better", " is good, a few games in this genre is better"},
    {26, 40, " is very good. In my opinion this is one of the best in this genre so fare",
     " is very good. in the past year this is one of the best in the genre"},
    {41, 55, " is extremly good. In my opinion this is properly the best in this genre",
     " is extremly good. For this genre it is one of the best released so fare"},
    {56, 1000, " is great. This is the best i have seen so fare in this genre",
     " is great. This is properly the best i have seen so fare in this genre. This could make the game an instant "
     "classic"},
};

struct IntroList {
    i32 low, high;
    const char* sentences[7];
};

constexpr IntroList kIntroductions[] = {
    {0,
     60,
     {"Every once in a while we run into a game that is almost completely devoid of redeeming qualities.<Game> is "
      "just such a game. <GameName> is an utter failure from top to bottom, offering ugly, drab graphics and terrible "
      "sound that match the low quality of the gameplay and game design.",
      "If the core gameplay were any good, some of those inherent design flaws might be forgivable, but this isn't "
      "the case. The Design of <Gamename> are downright terrible.",
      "In <Gamename> you'll spend more of your time fighting with the poor game design than you will playinmg the "
      "actual game. And, when you're done with that, you'll probably find yourself fighting the urge to throw the "
      "game out the window. Avoid this game.",
      "The only word is \"wow.\" <GameName> is one of those rare games that is so mind-blowingly terrible that seeing "
      "it in action is enough to make you crazy. As you might expect, <GameName> gameplay completely falls flat.",
      "While the questions come easily, the answers are hard to come by. There's more detail to be found in this "
      "review, but really, the only thing you need to know about <GameName> is that you shouldn't play it. ",
      "<GameName> sucks all the fun out of its subject matter and replaces it with half-finished functions, an ugly "
      "graphics engine, and a host of other problems. ",
      "<GameName> fails to deliver even the most basic of the genre, due to its awful visuals, and cripplingly stupid "
      "artificial intelligence."}},
    {61,
     75,
     {"It is almost impossible to judge <GameName> because the process of accomplishing the various games tasks is "
      "just so aggravating. So much care was put into the atmosphere of the game, that it is a shame to see it go to "
      "waste.",
      "There's a lot of gameplay in <GamePlay>, but it's mainly because the designers keep forcing you to do the same "
      "thing over and over. There are many game available  in the genre that are much more worthwhile.",
      "<GameName> provides enough consistent gameplay to avoid outright dismissal, but it clearly lacks the "
      "imaginative spark necessary to make playing it a memorable experience.",
      "As well intentioned as it might be, <GameName> feels limiting and repetitive and as such is suitable only as a "
      "fleeting diversion",
      "<Gamename> looks fair, but the dull story and uneven challenge make it a completely unenjoyable game.",
      "At its heart, <GameName> proves to be fairly enjoyable if you can get past all its many rough edges.",
      "Some fans of the genre might enjoy <GameName>. But to everybody else the game have to many bugs that mar what "
      "otherwise could have been a simple yet fun game. "}},
    {76,
     94,
     {"Although it's a bit unstable and flawed, <GameName> is nonetheless impressive in many ways.",
      "There's no doubt <Gamename> got some good things to offer - just not as many as you might expect.",
      "If you're at all interested in the concept, you'll find <GameName> well-made and fun to play. If not, cast "
      "your line elsewhere.",
      "Basically, if you love the Genre, you're going to want <GameName>. And if you consider the other new games in "
      "this genre, buy this instead.",
      "<GameName> delivers on its potential, but it's most definitely not for casual gamers or those whose patience "
      "is easily taxed.",
      "This is probably one of the better games to hit the market in the near future, and that it's clever and "
      "charming enough to appeal to many gamers.",
      "<Gamename> is a great-looking, generally solid gameplay that provides a few interesting innovations. "}},
    {95,
     110,
     {"<Gamename> achieves that rare quality of having something for nearly all strategy gamers, and most will find "
      "a lot to like in it, for a very long time. ",
      "<Gamename> is an extremely solid <Genre> game built on an excellent story and dressed up with great Features.",
      "The sense of satisfaction I get from playing <GameName> more than compensates for any frustration I'm "
      "experiencing.",
      "<Gamename> is a sophisticated Game for people who like their games sophisticated.",
      "<GameName> delivers almost everything a fan of the genre could ask for: immersion, attention to detail and "
      "visual appeal.",
      "<GameName> unique style and great gameplay, makes for a very enjoyable experience. One that can last you for a "
      "very long time. ",
      "Winning design, powerful artificial intelligence. <Gamename> is one of the best games in the genre so far this "
      "year. "}},
    {111,
     210,
     {"By combining some of the best concepts of then genre <Gamename> with the general gameplay of the best game in "
      "the genre, <Company> has created a truly outstanding game.",
      "In addition to being a damn good game, <GameName> features great design and beautiful art direction.",
      "<GameName> is 100% faithful to its genre and has truly exceptional gameplay.<GameName> is one of the best "
      "<Genre> games in years. The design of the game is spot on.",
      "<Gamename> looks to be a a rousing success on every level. ",
      "If you have even a passing interest in <Genre> games, or getting less sleep at night, you owe it to yourself "
      "to give <GameName> a try.",
      "<GameName>'s just an outstanding game, filled with all the charm, all the detail, and all the lasting appeal "
      "that characterizes all of the finest games ever made.",
      "Anyone looking for a game with refined control and a great premise need look no further than <GameName>. "}},
};

// The magazine's writers.
constexpr const char* kFirstNames[6] = {"Linda ", "Marcus ", "Tove ", "Derek ", "Nadia ", "Oscar "};
constexpr const char* kLastNames[6] = {"Halvorsen ", "Pike ", "Moreau ", "Kowalski ", "Brannigan ", "Sato "};

void replaceAll(std::string& text, std::string_view what, const std::string& with) {
    std::size_t at = 0;
    while ((at = text.find(what, at)) != std::string::npos) {
        text.replace(at, what.size(), with);
        at += with.size();
    }
}

// A bar clamped the way the screen's score bars are filled: at least 1.
i32 aspectBar(i32 points, i32 demand, i32 overall) {
    const i32 v = points > 10 * demand ? points - 2 * demand + overall / 2 : overall / 2;
    return std::clamp(v, 1, 100);
}

bool isGameInDevelopment(const Game& g, int task) {
    const auto& tasks = g.tables().tasks;
    if (!tasks.inRange(task)) return false;
    const Task& t = tasks[task];
    return !t.name.blank() && !t.closedFlag && t.taskType == kTaskGame && t.taskSubtype == 0;
}

// What tells one finished game's review from another's.
std::string reviewKey(const ReviewInput& in) {
    std::string key = in.title;
    for (int v : {in.platform, in.genre, in.design, in.graphics, in.replayability, in.complexity, in.gameplay,
                  in.overall})
        key += '|' + std::to_string(v);
    return key;
}

// A seed made from the review's own values (FNV-1a), all of them kept in the
// game's record in the save.
std::uint32_t seedFromInputs(const ReviewInput& in) {
    std::uint32_t h = 2166136261u;
    for (unsigned char c : reviewKey(in)) {
        h ^= c;
        h *= 16777619u;
    }
    return h;
}

i32 grownByThreePercent(i32 v) {
    const long long grown = static_cast<long long>(v) + static_cast<long long>(v) * 3 / 100;
    return static_cast<i32>(std::clamp<long long>(grown, std::numeric_limits<i32>::min(),
                                                  std::numeric_limits<i32>::max()));
}

void splitLines(const std::string& text, std::vector<std::string>& out) {
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(kCrLf, start);
        if (end == std::string::npos) {
            out.push_back(text.substr(start));
            return;
        }
        out.push_back(text.substr(start, end - start));
        start = end + 2;
    }
}

}  // namespace

const char* verdictAPhrase(i32 b) {
    for (const RangeA& r : kVerdictA)
        if (b >= r.low && b <= r.high) return r.phrase;
    return "";
}

const char* verdictBPhrase(i32 b, i32 r) {
    for (const RangeBC& x : kVerdictB)
        if (b >= x.low && b <= x.high) return r >= 10 ? x.high10 : x.low9;
    return "";
}

const char* verdictCPhrase(i32 b, i32 r) {
    for (const RangeBC& x : kVerdictC)
        if (b >= x.low && b <= x.high) return r >= 10 ? x.high10 : x.low9;
    return "";
}

std::string verdictA(std::string_view aspect, i32 value, i32 standard, Random& rng) {
    const i32 b = value - standard + rng.randomInt(15) - 7;
    return std::string(aspect) + verdictAPhrase(b);
}

std::string verdictB(std::string_view aspect, i32 value, i32 standard, Random& rng) {
    const i32 b = value - standard + rng.randomInt(10) - 5;
    const i32 r = rng.randomInt(20);
    return std::string(aspect) + verdictBPhrase(b, r);
}

std::string verdictC(std::string_view aspect, i32 value, i32 standard, Random& rng) {
    const i32 b = value - standard + rng.randomInt(10) - 5;
    const i32 r = rng.randomInt(20);
    return std::string(aspect) + verdictCPhrase(b, r);
}

int introductionList(i32 overall) {
    for (int k = 0; k < 5; ++k)
        if (overall >= kIntroductions[k].low && overall <= kIntroductions[k].high) return k;
    return -1;
}

const char* introductionSentence(int list, int k) {
    if (list < 0 || list > 4 || k < 0 || k > 6) return "";
    return kIntroductions[list].sentences[k];
}

std::string fillIntroduction(std::string text, const std::string& title, const std::string& genre,
                             const std::string& company) {
    for (std::string_view tag : {"<gamename>", "<Gamename>", "<GameName>", "<Gameplay>", "<GamePlay>", "<Game>",
                                 "<game>"})
        replaceAll(text, tag, title);
    for (std::string_view tag : {"<Genre>", "<genre>"}) replaceAll(text, tag, genre);
    for (std::string_view tag : {"<Company>", "<company>", "<Companyname>"}) replaceAll(text, tag, company);
    return text;
}

std::string previewIntroduction(int variant, const std::string& title, const std::string& company,
                                const std::string& player) {
    const std::string head = "PREVIEW\r\n\r\n";
    switch (variant) {
        case 0: return head + "This week we get our hands on the upcoming title " + title + "from the people at " +
                       company + ".";
        case 1:
            return head + "This week we recieved an working example of " + title + "." + kCrLf + player + " of " +
                   company +
                   " said the game is still pretty early on in development. So heres how we rated the game in its "
                   "current stage";
        case 2: return head + "We played through the early single-player version of the upcoming title" + title +
                       " by " + company;
        case 3:
            return head + "In our final preview of " + company +
                   "'s new game, we take a look at the main features of this soon-to-be-released game " + title + ".";
        case 4:
            return head + company + " is getting ready to launch their new game, " + title +
                   ", and we got our hands on it to find out what secrets are revealed.";
        case 5:
            return head + "As " + title + " nears completion, head of " + company + " " + player +
                   " is hyping the game again and again. Now we look at the pre-release version to see if its infact "
                   "true what they are claiming at " +
                   company + ".";
        default: return {};
    }
}

ReviewContext reviewContext(const Game& g, const ReviewInput& in) {
    ReviewContext c;
    if (g.tables().genres.inRange(in.genre)) c.genreName = g.tables().genres[in.genre].name.str();
    c.platformName = platformNameText(g, in.platform);
    c.companyName = g.world().companyName.str();
    c.playerName = g.world().playerName.str();
    c.demands = genreDemands(g, in.genre);
    c.weights = genreWeights(g, in.genre);
    return c;
}

Review composeReview(const ReviewInput& in, const ReviewContext& ctx, Random& rng) {
    const auto [d1, d2, d3] = ctx.demands;
    const i32 w2 = ctx.weights[1];
    const i32 w3 = ctx.weights[2];
    Review r;
    r.title = in.title;
    r.genreName = ctx.genreName;
    r.platformName = ctx.platformName;
    r.isPreview = in.isPreview;

    if (in.isPreview) {
        r.introduction = previewIntroduction(rng.randomInt(6), in.title, ctx.companyName, ctx.playerName);
    } else if (const int list = introductionList(in.overall); list >= 0) {
        r.introduction =
            fillIntroduction(introductionSentence(list, rng.randomInt(7)), in.title, ctx.genreName, ctx.companyName);
    }

    std::string& body = r.body;
    const std::string fillers = std::string(kReviewFiller1) + kCrLf + kReviewFiller2 + kCrLf + kReviewFiller3;
    body = "....";
    if (rng.randomInt(10) < 5) {
        body += verdictC("Gameplay", in.gameplay / 10, d1, rng);
        body += fillers;
        body += verdictB("Replaybility", in.replayability / 10, d3, rng);
        body += fillers;
    } else {
        body += verdictB("Gameplay", in.gameplay / 10, d1, rng);
        body += fillers;
        body += verdictC("Complixity", in.complexity / 10, d2, rng);
        body += std::string(kReviewFiller1b) + kCrLf + kReviewFiller2 + kCrLf + kReviewFiller3;
    }

    r.bars[kBarGameplay] = {"Gameplay :", aspectBar(in.gameplay, d1, in.overall)};
    r.bars[kBarReplayability] = {"Replayability:", aspectBar(in.replayability, d3, in.overall)};

    // A good game is judged by its stronger side, a weak one by its weaker.
    const bool designVerdict = (in.overall > 90) == (in.design > in.graphics);
    if (designVerdict) {
        body += verdictC("Design", in.design, w2, rng);
        body += kReviewFiller1;
    } else {
        body += verdictB("the graphics", in.graphics, w3, rng);
        body += kReviewFiller1;
        body += kCrLf;
    }

    r.bars[kBarGraphics] = {"Graphics :", in.graphics};

    const i32 overall = in.isPreview ? in.overall + 10 : in.overall;
    body += kCrLf;
    body += verdictA("Overall game opinion", overall, 90, rng);
    body += ".";

    r.bars[kBarOverall] = {"Overall", overall + rng.randomInt(3) - 6};
    r.bars[kBarSound] = {"Sound :", 20 + rng.randomInt(80)};

    const int first = rng.randomInt(6);
    const int last = rng.randomInt(6);
    r.byline = std::string("written by ") + kFirstNames[first] + kLastNames[last];
    return r;
}

void GenerateReview(Game& g, Player& p, const ReviewInput& in) {
    const ReviewContext ctx = reviewContext(g, in);
    if (in.isPreview) {
        p.showReview(composeReview(in, ctx, g.rng));
        return;
    }
    // The review of a finished game is drawn from its own stored values, so
    // that reading it again, after a load or in another run, shows the same
    // text. The game's generator still makes the review's draws, so every
    // later draw of the week stays where it was.
    Random own;
    own.seed = seedFromInputs(in);
    const Review review = composeReview(in, ctx, own);
    composeReview(in, ctx, g.rng);
    p.showReview(review);
}

bool productReview(const Game& g, int k, Review& out) {
    const GameTitle* t = productTitle(g, k);
    if (!t || t->title.blank()) return false;
    const ReviewInput in{t->title.str(),       t->platform,        t->genre,
                         false,                t->researchDesign,  t->researchGraphics,
                         t->qualityReplayability, t->qualityComplexity, t->qualityGameplay,
                         t->reviewScore};
    // A generator of its own: reading a review again must not move the
    // game's random sequence.
    Random local;
    local.seed = seedFromInputs(in);
    out = composeReview(in, reviewContext(g, in), local);
    out.product = k;
    return true;
}

PreviewResult RequestPreview(Game& g, Player& p, int task) {
    if (!isGameInDevelopment(g, task)) return PreviewResult::Refused;
    Task& t = g.tables().tasks[task];
    if (static_cast<long long>(t.workTotal) >= 2LL * t.progress) {
        p.notify("To early...",
                 "The game needs further development before a playable beta version is ready. Try again later", 3000);
        return PreviewResult::Refused;
    }
    if (!p.messageBox("Prepare game preview",
                      "Do you want your employees to prepare the game for a playable preview version. The total "
                      "development time of the game will increase.",
                      true))
        return PreviewResult::Declined;
    GameTitle& game = t.game;
    GenerateReview(g, p,
                   {game.title.str(), game.platform, game.genre, true, game.researchDesign, game.researchGraphics,
                    game.qualityReplayability, game.qualityComplexity, game.qualityGameplay, game.reviewScore});
    game.workLeftProgramming = grownByThreePercent(game.workLeftProgramming);
    game.workLeftDesign = grownByThreePercent(game.workLeftDesign);
    game.workLeftGraphics = grownByThreePercent(game.workLeftGraphics);
    return PreviewResult::Shown;
}

std::vector<std::string> reviewLines(const Review& r) {
    std::vector<std::string> out;
    out.push_back(r.title + " | " + r.genreName + " | " + r.platformName);
    if (!r.introduction.empty()) splitLines(r.introduction, out);
    splitLines(r.body, out);
    for (const ReviewBar& b : r.bars) out.push_back(std::string(b.label) + " " + std::to_string(b.position()));
    out.push_back(r.byline);
    return out;
}

}  // namespace cw
