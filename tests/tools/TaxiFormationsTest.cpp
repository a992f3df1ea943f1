// The taxi chase's generated attack formations, read back word by word:
// well-formed lines, and enough fighters in tight enough groups that the
// adventure's hardest requirement, 4,000 points in 60 seconds, can be met.

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Fighter {
    double spawn = 0.0;
    bool fromLeft = false;
    double height = 0.0;
    double speed = 0.0;
    std::vector<std::pair<double, double>> waypoints;
};

// A plain decimal number, digits and at most one point: the game's reader
// sees nothing else in these files.
bool PlainNumber(const std::string& word, double& value)
{
    if (word.empty() || std::ranges::count(word, '.') > 1 ||
        !std::ranges::all_of(word, [](char c) { return (c >= '0' && c <= '9') || c == '.'; }))
        return false;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return error == std::errc() && end == word.data() + word.size();
}

// The fighters of the generated data\level08\<name>, each line checked on
// the way into `fighters`: at least four words, whole waypoint pairs, plain numbers in
// range, spawn times in order and early enough to cross before the end.
void ReadFormations(const char* name, double roundSeconds, std::vector<Fighter>& fighters)
{
    std::ifstream file(std::filesystem::path(ZEPHYRA_RUN_DIR) / "data" / "level08" / name, std::ios::binary);
    ASSERT_TRUE(file.is_open()) << name;
    std::string line;
    int number = 0;
    while (std::getline(file, line)) {
        ++number;
        SCOPED_TRACE(std::string(name) + ":" + std::to_string(number) + ": " + line);
        EXPECT_TRUE(line.ends_with('\r'));
        if (line.starts_with('#'))
            continue;
        std::istringstream stream(line);
        std::vector<std::string> words;
        for (std::string word; stream >> word;)
            words.push_back(word);
        ASSERT_GE(words.size(), 6u); // a fighter and at least one waypoint
        ASSERT_EQ(words.size() % 2, 0u);
        Fighter fighter;
        ASSERT_TRUE(words[1] == "l" || words[1] == "r");
        fighter.fromLeft = words[1] == "l";
        ASSERT_TRUE(PlainNumber(words[0], fighter.spawn) && PlainNumber(words[2], fighter.height) &&
                    PlainNumber(words[3], fighter.speed));
        // The slowest crosses the screen's 1,204 pixels in under six seconds.
        EXPECT_GE(fighter.speed, 3.0);
        EXPECT_LE(fighter.speed, 6.0);
        EXPECT_LE(fighter.spawn, roundSeconds - 1204.0 / (fighter.speed * 75.0));
        EXPECT_LE(fighter.height, 1.0);
        if (!fighters.empty()) {
            EXPECT_GE(fighter.spawn, fighters.back().spawn);
        }
        double previous = 0.0;
        for (std::size_t word = 4; word < words.size(); word += 2) {
            double fraction = 0.0;
            double height = 0.0;
            ASSERT_TRUE(PlainNumber(words[word], fraction) && PlainNumber(words[word + 1], height));
            EXPECT_GT(fraction, previous);
            EXPECT_LE(fraction, 1.0);
            EXPECT_LE(height, 1.0);
            previous = fraction;
            fighter.waypoints.emplace_back(fraction, height);
        }
        fighters.push_back(fighter);
    }
}

// The score of one laser shot or flash that takes `count` fighters: 50,
// 75, 100, 150, then 200 each, less the 10 the shot costs.
int GroupScore(int count)
{
    constexpr int points[] = {50, 75, 100, 150};
    int score = -10;
    for (int index = 0; index < count; ++index)
        score += index < 4 ? points[index] : 200;
    return score;
}

// Where a fighter is `t` seconds into the round: its left edge flies at
// speed * 75 pixels a second from x -85 or 1109, and its top (y = height *
// 400 + 180) at the height of the last waypoint it has passed. Turning
// and speeding up are left out.
struct Place {
    double x;
    double y;
    bool flying;
};

Place Where(const Fighter& fighter, double t)
{
    const double travelled = (t - fighter.spawn) * fighter.speed * 75.0;
    double height = fighter.height;
    for (const auto& [fraction, waypointHeight] : fighter.waypoints) {
        if (fraction * 1204.0 <= travelled)
            height = waypointHeight;
    }
    return {fighter.fromLeft ? -85.0 + travelled : 1109.0 - travelled, height * 400.0 + 180.0,
            travelled >= 0.0 && travelled <= 1209.0};
}

// The score of a player who fires each shot and flash where it takes the
// most fighters still flying, one shot after the other, until none is left.
// A laser shot from the taxi takes every fighter ahead of it (x 300 to
// 1000) whose hit boxes (19 to 126 pixels under its top) meet the beam
// (19 pixels high): tops within 126 pixels of each other. The flash takes
// fighters from behind whose hit boxes meet the flash's boxes behind the
// taxi: tops within 250 pixels, left edges within 198 pixels.
int GreedyScore(const std::vector<Fighter>& fighters, double roundSeconds)
{
    std::vector<bool> taken(fighters.size(), false);
    int score = 0;
    for (;;) {
        std::vector<std::size_t> best;
        for (double t = 0.0; t < roundSeconds; t += 0.05) {
            for (const bool flash : {false, true}) {
                std::vector<std::size_t> flying;
                for (std::size_t index = 0; index < fighters.size(); ++index) {
                    const Place place = Where(fighters[index], t);
                    if (!taken[index] && fighters[index].fromLeft == flash && place.flying &&
                        (flash || (place.x >= 300.0 && place.x <= 1000.0)))
                        flying.push_back(index);
                }
                for (const std::size_t first : flying) {
                    const Place low = Where(fighters[first], t);
                    std::vector<std::size_t> group;
                    for (const std::size_t other : flying) {
                        const Place place = Where(fighters[other], t);
                        const bool inReach = flash ? place.y >= low.y && place.y <= low.y + 250.0 &&
                                                         place.x >= low.x && place.x <= low.x + 198.0
                                                   : place.y >= low.y && place.y <= low.y + 126.0;
                        if (inReach)
                            group.push_back(other);
                    }
                    if (group.size() > best.size())
                        best = group;
                }
            }
        }
        if (best.empty())
            return score;
        for (const std::size_t index : best)
            taken[index] = true;
        score += GroupScore(static_cast<int>(best.size()));
    }
}

} // namespace

TEST(TaxiFormationsTest, BothRoundsAreWellFormedAndTheAdventuresCanBeWonOnEveryDifficulty)
{
    std::vector<Fighter> adventure;
    std::vector<Fighter> highscore;
    ReadFormations("angriffsformationen.txt", 60.0, adventure);
    ReadFormations("angriffsformationen2.txt", 90.0, highscore);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_GE(adventure.size(), 60u);
    EXPECT_LE(adventure.size(), 80u);
    EXPECT_GT(highscore.size(), adventure.size() + 30);
    // Fighters from both sides, and a few alone at the start.
    EXPECT_GE(std::ranges::count_if(adventure, &Fighter::fromLeft), 15);
    EXPECT_GE(std::ranges::count_if(adventure, [](const Fighter& f) { return !f.fromLeft; }), 40);
    EXPECT_GE(adventure[1].spawn - adventure[0].spawn, 1.5);

    // A player hitting every group at once scores well beyond "Schwer"'s
    // 4,000 points, so a good one reaches them; the first half alone
    // holds far more than "Leicht"'s 1,200.
    const int best = GreedyScore(adventure, 60.0);
    EXPECT_GE(best, 5500);
    std::vector<Fighter> firstHalf;
    std::ranges::copy_if(adventure, std::back_inserter(firstHalf), [](const Fighter& f) { return f.spawn < 30.0; });
    EXPECT_GE(GreedyScore(firstHalf, 30.0), 2000);
    EXPECT_GT(GreedyScore(highscore, 90.0), best + 2000);
}
