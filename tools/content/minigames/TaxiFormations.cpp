#include "minigames/TaxiFormations.h"

#include "ContentFile.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace content::minigames {

namespace {

enum class Side { left, right };

struct Fighter {
    double spawn = 0.0;
    Side side = Side::right;
    double height = 0.5;
    double speed = 4.0;
    std::vector<std::pair<double, double>> waypoints; // travelled fraction, height
};

// Fighters in a line fly this far apart: a little less than one fighter's
// width, so that one laser shot along the line passes through them all.
constexpr double linePixels = 110.0;
// A fighter at speed factor 1 flies this many pixels a second.
constexpr double pixelsPerSpeed = 75.0;

// A group of fighters and the comment that names it in the file.
struct Wave {
    const char* comment;
    std::vector<Fighter> fighters;
};

// The straight course at `height`, or a weave about it: each fighter of
// a line weaves at the same places, so the line snakes along as one.
std::vector<std::pair<double, double>> Course(double height, double weave)
{
    if (weave == 0.0)
        return {{1.0, height}};
    return {{0.2, height + weave}, {0.45, height - weave}, {0.7, height + weave}, {1.0, height}};
}

Wave Single(const char* comment, double spawn, Side side, double height, double speed)
{
    return {comment, {{spawn, side, height, speed, Course(height, 0.0)}}};
}

// `count` fighters one behind the other at one height.
Wave Line(const char* comment, double spawn, Side side, double height, double speed, int count, double weave = 0.0)
{
    Wave wave{comment, {}};
    const double gap = linePixels / (speed * pixelsPerSpeed);
    for (int index = 0; index < count; ++index)
        wave.fighters.push_back({spawn + gap * index, side, height, speed, Course(height, weave)});
    return wave;
}

// Five fighters in a V, the leader ahead at `height` and the wings 24 and 48
// pixels above and below it: all within the laser's reach of one height.
Wave Vee(const char* comment, double spawn, Side side, double height, double speed)
{
    Wave wave{comment, {}};
    const double gap = 0.8 * linePixels / (speed * pixelsPerSpeed);
    wave.fighters.push_back({spawn, side, height, speed, Course(height, 0.0)});
    for (int rank = 1; rank <= 2; ++rank) {
        for (const double sign : {-1.0, 1.0}) {
            const double wing = height + sign * 0.06 * rank;
            wave.fighters.push_back({spawn + gap * rank, side, wing, speed, Course(wing, 0.0)});
        }
    }
    return wave;
}

// Fighters side by side, one above the other: a flash behind the taxi
// dazzles the whole column.
Wave Column(const char* comment, double spawn, Side side, std::initializer_list<double> heights, double speed)
{
    Wave wave{comment, {}};
    for (const double height : heights)
        wave.fighters.push_back({spawn, side, height, speed, Course(height, 0.0)});
    return wave;
}

// Fighters from ahead and from behind at once, in one group.
Wave Pincer(const char* comment, Wave ahead, const Wave& behind)
{
    ahead.comment = comment;
    ahead.fighters.insert(ahead.fighters.end(), behind.fighters.begin(), behind.fighters.end());
    std::ranges::stable_sort(ahead.fighters, {}, &Fighter::spawn);
    return ahead;
}

constexpr Side l = Side::left;
constexpr Side r = Side::right;

// The round inside the adventure: single fighters from ahead and from
// behind first, then lines and Vs, pincers from both sides, and a busy
// finale. A perfect round scores far beyond the 4,000 points of "Schwer";
// 1,200 come from the first half.
std::vector<Wave> AdventureWaves()
{
    return {
        // Above the taxi's start, so that a player still reaching for the
        // keys does not crash in the first second.
        Single("Ein einzelner J\xe4ger von vorn, \xfc" "ber dem Taxi", 1.0, r, 0.25, 3.5),
        Single("Noch einer, weiter oben", 3.0, r, 0.30, 3.5),
        Single("Der erste von hinten", 5.0, l, 0.55, 3.5),
        Single("Von vorn, weiter unten", 6.5, r, 0.70, 4.0),
        Line("Drei in einer Reihe von vorn", 9.0, r, 0.45, 4.0, 3),
        Line("Drei in einer Reihe von hinten", 12.0, l, 0.60, 4.0, 3),
        Vee("Ein V von vorn", 15.0, r, 0.50, 4.0),
        Pincer("Zange: vier von vorn, drei von hinten", Line("", 19.0, r, 0.30, 4.0, 4),
               Column("", 19.5, l, {0.55, 0.65, 0.75}, 4.0)),
        Line("F\xfcnf in einer Reihe von vorn", 23.0, r, 0.65, 4.5, 5),
        Vee("Ein V von vorn, weiter oben", 27.0, r, 0.35, 4.5),
        Pincer("Zange: ein V von vorn, drei von hinten", Vee("", 31.0, r, 0.60, 4.5),
               Line("", 31.5, l, 0.30, 4.5, 3)),
        Line("Eine Schlange von vorn", 35.0, r, 0.30, 5.0, 5, 0.12),
        Line("F\xfcnf von vorn, ganz unten", 38.0, r, 0.80, 5.0, 5),
        Column("Vier \xfc" "bereinander von hinten", 40.5, l, {0.35, 0.45, 0.55, 0.65}, 4.5),
        Vee("Finale: ein V von vorn", 43.5, r, 0.45, 5.0),
        Line("F\xfcnf von vorn, oben", 46.0, r, 0.25, 5.0, 5),
        Column("Drei \xfc" "bereinander von hinten", 48.0, l, {0.40, 0.50, 0.60}, 5.0),
        Vee("Ein V von vorn, unten", 50.0, r, 0.65, 5.5),
        Pincer("Die letzte Reihe, schnell, und drei von hinten", Line("", 53.0, r, 0.40, 6.0, 5),
               Line("", 54.0, l, 0.70, 5.0, 3)),
    };
}

// The round on its own: the same waves, then half a minute more, faster
// and from both sides at once.
std::vector<Wave> HighscoreWaves()
{
    std::vector<Wave> waves = AdventureWaves();
    const std::vector<Wave> more = {
        Line("Zugabe: eine Schlange von vorn", 58.0, r, 0.55, 5.0, 5, 0.12),
        Column("Vier \xfc" "bereinander von hinten", 60.5, l, {0.25, 0.35, 0.45, 0.55}, 5.0),
        Vee("Ein V von vorn, oben", 62.5, r, 0.30, 5.5),
        Pincer("Zange: f\xfcnf von vorn, drei von hinten", Line("", 65.0, r, 0.70, 5.5, 5),
               Line("", 65.5, l, 0.35, 5.5, 3)),
        Vee("Ein V von vorn, schnell", 68.5, r, 0.50, 6.0),
        Column("Drei \xfc" "bereinander von hinten", 70.5, l, {0.50, 0.60, 0.70}, 5.5),
        Line("F\xfcnf von vorn, ganz oben", 72.0, r, 0.20, 6.0, 5),
        Pincer("Zange: ein V von vorn, drei von hinten", Vee("", 75.0, r, 0.75, 6.0),
               Column("", 75.5, l, {0.25, 0.35, 0.45}, 5.5)),
        Line("Die letzte Schlange", 78.5, r, 0.45, 6.0, 5, 0.12),
        Vee("Ein V von vorn, oben", 81.0, r, 0.30, 6.0),
        Pincer("Die allerletzte Reihe und drei von hinten", Line("", 83.5, r, 0.65, 6.0, 5),
               Line("", 84.0, l, 0.35, 6.0, 3)),
    };
    waves.insert(waves.end(), more.begin(), more.end());
    return waves;
}

// A value as the file writes it: two decimals, no exponent.
std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// The file's text, Windows line ends: a header, then each wave's comment
// and its fighters, in the order they appear.
std::string FormationText(const char* title, std::vector<Wave> waves)
{
    std::ranges::stable_sort(waves, {}, [](const Wave& wave) { return wave.fighters.front().spawn; });
    std::string text = std::string("# ") + title + "\r\n";
    text += "# Je Zeile ein J\xe4ger: Startzeit in Sekunden, Seite (l von links, hinter dem Taxi; r von rechts),\r\n";
    text += "# Starth\xf6he (0 oben bis 1 unten), Tempo, dann Paare aus Anteil der Strecke und H\xf6he\r\n";
    for (const Wave& wave : waves) {
        text += std::string("# ") + wave.comment + "\r\n";
        for (const Fighter& fighter : wave.fighters) {
            text += Number(fighter.spawn) + (fighter.side == Side::left ? " l " : " r ") + Number(fighter.height) +
                    " " + Number(fighter.speed);
            for (const auto& [fraction, height] : fighter.waypoints)
                text += " " + Number(fraction) + " " + Number(height);
            text += "\r\n";
        }
    }
    return text;
}

} // namespace

bool WriteTaxiFormations()
{
    return WriteText("data\\level08\\angriffsformationen.txt",
                     FormationText("Angriffsformationen der Verfolgungsjagd: eine Runde von 60 Sekunden",
                                   AdventureWaves())) &&
           WriteText("data\\level08\\angriffsformationen2.txt",
                     FormationText("Angriffsformationen der Verfolgungsjagd: eine Runde von 90 Sekunden",
                                   HighscoreWaves()));
}

} // namespace content::minigames
