#include "people/people_generation.h"

#include <algorithm>
#include <charconv>

namespace cw {
namespace {

// A reference cell as a whole number; anything unreadable counts as 0.
i32 cellNumber(const std::string& text) {
    const std::string t = trimmed(text);
    i32 v = 0;
    const char* b = t.data() + (!t.empty() && t[0] == '+' ? 1 : 0);
    std::from_chars(b, t.data() + t.size(), v);
    return v;
}

u8 byteOf(i32 v) { return static_cast<u8>(v); }

// Every skill range is scaled by the rank, and the skills are single bytes:
// a rank above 55 would carry them past 255, so the list's rank is held there.
constexpr i32 kHighestRank = 55;

}  // namespace

int playerPersonIndex(const ReferenceTables& ref) {
    return std::clamp(ref.list_people.rowCount(), 1, decltype(SaveImage::people)::last);
}

void classifyPerson(Game& g, Person& p) {
    const i32 s = (p.talentProgramming + 20) / 2;
    const i32 h = (p.hardware + p.talentHardware) / 2;
    const i32 q = p.publishing;
    p.overallRating = 1;
    p.workArea = 4;
    auto halveAboveOne = [](u8& skill) {
        if (skill > 1) skill = byteOf(skill / 2);
    };
    if (s >= h && s >= q) {
        p.workArea = 1;
        p.overallRating = s;
        if (p.rank < 8) {
            p.hardware = byteOf(p.hardware / 2);
            p.publishing = byteOf(p.publishing / 3);
        }
    } else if (h + 5 >= q) {
        p.workArea = 2;
        p.overallRating = h;
        p.publishing = byteOf(p.publishing / 3);
        if (p.rank < 8) {
            halveAboveOne(p.programming);
            halveAboveOne(p.design);
            halveAboveOne(p.graphics);
        }
    } else if (g.rng.randomInt(2) == 0) {
        p.workArea = 3;
        p.overallRating = q;
        for (u8* skill : {&p.programming, &p.design, &p.graphics})
            if (*skill > 1) *skill = 1;
    }
    if (p.workArea == 4) {
        for (u8* skill : {&p.programming, &p.design, &p.graphics}) *skill = std::min<u8>(*skill, 2);
        for (u8* skill : {&p.hardware, &p.publishing})
            if (*skill > 37) *skill = 35;
    }
}

i32 startingWage(Game& g, const Person& p) {
    const i32 m = (g.currentYear - 1976) * 100;
    i32 w = 1500 + g.rng.randomInt(500);
    if (p.leadership > 30) w += (p.leadership - 30) * 100;
    switch (p.workArea) {
        case 1: {
            i32 e =
                ((10 * p.programming + p.talentProgramming) / 2 + (10 * (p.programming + p.design + p.graphics)) / 3) /
                2;
            e = std::max(e, 30);
            w += p.rank * (e - 29) * (80 + g.rng.randomInt(20));
            break;
        }
        case 2: {
            const i32 e = std::max((p.hardware + p.talentHardware) / 2, 30);
            w += p.rank * (e - 29) * (80 + g.rng.randomInt(20));
            break;
        }
        case 3: {
            const i32 e = std::max<i32>(p.publishing, 30);
            w += p.rank * (e - 29) * (80 + g.rng.randomInt(20));
            break;
        }
        default: {
            for (i32 threshold : {40, 50, 60, 70, 80, 90})
                if (p.leadership > threshold) w += (p.leadership - 30) * 50;
            const i32 a = g.rng.randomInt(m);
            w += a + g.rng.randomInt(m);
            break;
        }
    }
    return w;
}

void generatePeople(Game& g, const ReferenceTables& ref, const std::function<void(int row, int rows)>& rowDone) {
    const StringTable& list = ref.list_people;
    const i32 genreRows = ref.list_genre.rowCount();
    // The row after the last listed person belongs to the player.
    const int last = playerPersonIndex(ref) - 1;
    auto draw = [&](i32 n) { return g.rng.randomInt(n); };
    for (int i = 1; i <= last; ++i) {
        if (rowDone && i % 25 == 0) rowDone(i, last);
        const std::string name = trimmed(list.cell(0, i));
        if (name.empty() || trimmed(list.cell(1, i)).empty()) continue;
        const i32 r = std::clamp(cellNumber(list.cell(1, i)), 0, kHighestRank);
        Person& p = g.tables().people[i];
        p.rank = byteOf(r);
        p.currentTask = 0;
        p.unknown8 = 0;
        p.age = byteOf(17 + draw(35));
        p.name = list.cell(0, i);
        p.employed = 0;
        p.leadership = byteOf(34 + draw(4 * r));
        p.platformPorting = byteOf(34 + draw(4 * r));
        p.talentLeadership = byteOf(34 + draw(4 * r));
        p.genreExperience = byteOf(1 + draw(genreRows - 2));
        p.talentHardware = byteOf(34 + draw(4 * r));
        p.talentDesign = byteOf(34 + draw(4 * r));
        p.talentGraphics = byteOf(34 + draw(4 * r));
        p.talentProgramming = byteOf(34 + draw(4 * r));
        p.hardware = byteOf(p.age + draw(3 * r));
        p.platformExperience = byteOf(1 + draw(30));
        p.publishing = byteOf(p.age + draw(3 * r));
        p.programming = byteOf((draw(r) + 2) / 2);
        p.design = byteOf((draw(r) + 2) / 2);
        p.graphics = byteOf((draw(r) + 2) / 2);
        p.labourMarketYear = g.currentYear + draw(5);
        classifyPerson(g, p);
        p.employerCompany = 0;
        p.salary = startingWage(g, p);
        p.interviewCooldown = 0;
        p.neverAgain = 0;
    }
}

void createPlayerPerson(Game& g, const ReferenceTables& ref) {
    const World& w = g.world();
    const i32 k = 12 / (w.gameLevel + 1);
    const i32 specialty = g.session.chosenPlayerSpecialty;
    auto draw = [&](i32 n) { return g.rng.randomInt(n); };
    Person& p = g.tables().people[playerPersonIndex(ref)];
    p.rank = byteOf(k);
    p.currentTask = 0;
    p.age = byteOf(g.session.chosenPlayerAge);
    p.name = "*You* (" + w.playerName.str() + ")";
    p.employed = 1;
    p.leadership = byteOf(4 * k + 34 + (specialty == 0 ? 15 : 0));
    p.platformPorting = byteOf(34 + draw(4 * k));
    p.talentLeadership = byteOf(34 + draw(4 * k));
    p.talentHardware = byteOf(34 + draw(4 * k));
    p.talentDesign = byteOf(34 + draw(4 * k));
    p.talentGraphics = byteOf(34 + draw(4 * k));
    p.talentProgramming = byteOf(34 + draw(4 * k));
    p.genreExperience = byteOf(1 + draw(ref.list_genre.rowCount() - 2));
    p.hardware = byteOf(p.age + draw(3 * k) + (specialty == 4 ? 10 : 0));
    p.platformExperience = byteOf(1 + draw(20));
    p.publishing = byteOf(p.age + draw(3 * k));
    p.programming = byteOf(k / 2 + (specialty == 1 ? 2 : 0));
    p.design = byteOf(k / 2 + (specialty == 2 ? 2 : 0));
    p.graphics = byteOf(k / 2 + (specialty == 3 ? 2 : 0));
    p.labourMarketYear = g.currentYear - 1;
    p.workArea = 1;
    p.employerCompany = 0;
    p.salary = 0;
    p.interviewCooldown = 0;
    p.neverAgain = 0;
}

}  // namespace cw
