#include "AttackFormations.h"

#include "app/Debug.h"
#include "files/File.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// Longer is no formation file.
constexpr int largestFile = 1024 * 1024;

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::vector<std::string_view> Tokens(std::string_view line)
{
    std::vector<std::string_view> tokens;
    std::size_t position = 0;
    while (position < line.size()) {
        while (position < line.size() && IsSpace(line[position]))
            ++position;
        std::size_t end = position;
        while (end < line.size() && !IsSpace(line[end]))
            ++end;
        if (end > position)
            tokens.push_back(line.substr(position, end - position));
        position = end;
    }
    return tokens;
}

// The whole token as a finite number.
bool ReadNumber(std::string_view token, float& value)
{
    const std::string text(token);
    char* end = nullptr;
    const float read = std::strtof(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(read))
        return false;
    value = read;
    return true;
}

bool IsOnScreen(float height)
{
    return height >= AttackFormations::lowestHeight && height <= AttackFormations::highestHeight;
}

// One fighter from a line's tokens (four or more); the reason when refused.
const char* ReadPlan(const std::vector<std::string_view>& tokens, FighterPlan& plan, int lineNumber)
{
    if (!ReadNumber(tokens[0], plan.spawnTime) || plan.spawnTime < 0.0f)
        return "the spawn time is no number of seconds";
    plan.fromLeft = tokens[1] == "l";
    if (!ReadNumber(tokens[2], plan.startHeight) || !IsOnScreen(plan.startHeight))
        return "the start height is no height on the screen";
    if (!ReadNumber(tokens[3], plan.speed) || plan.speed <= 0.0f || plan.speed > AttackFormations::fastestSpeed)
        return "the speed is no speed";
    if ((tokens.size() - 4) % 2 != 0)
        LogWarning("RuvIdLevelTaxishooter::InitAngriffsformationen: Line %d: the last waypoint has no height and is "
                   "left out\n",
                   lineNumber);
    for (std::size_t token = 4; token + 1 < tokens.size(); token += 2) {
        std::pair<float, float> waypoint;
        if (!ReadNumber(tokens[token], waypoint.first) || !ReadNumber(tokens[token + 1], waypoint.second))
            return "a waypoint is no pair of numbers";
        if (!IsOnScreen(waypoint.second))
            return "a waypoint lies off the screen";
        plan.waypoints.push_back(waypoint);
    }
    return nullptr;
}

} // namespace

bool AttackFormations::Load(const char* path, std::vector<FighterPlan>& plans)
{
    plans.clear();
    File file;
    if (!file.Open(path, "rb")) {
        LogError("RuvIdLevelTaxishooter::InitAngriffsformationen: Failed to open angriffsformationen.txt!\n");
        return false;
    }
    const int size = file.GetSize();
    if (size < 0 || size > largestFile) {
        LogError("RuvIdLevelTaxishooter::InitAngriffsformationen: <%s> is no formation file (%d bytes), refused!\n",
                 path, size);
        return false;
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    text.resize(static_cast<std::size_t>(std::max(file.Read(text.data(), size), 0)));
    Parse(text, plans);
    return true;
}

int AttackFormations::Parse(std::string_view text, std::vector<FighterPlan>& plans)
{
    int refused = 0;
    int lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.starts_with('#'))
            continue;
        const std::vector<std::string_view> tokens = Tokens(line);
        if (tokens.size() < 4)
            continue;
        FighterPlan plan;
        if (const char* reason = ReadPlan(tokens, plan, lineNumber)) {
            LogError("RuvIdLevelTaxishooter::InitAngriffsformationen: Line %d refused: %s\n", lineNumber, reason);
            ++refused;
            continue;
        }
        plans.push_back(std::move(plan));
    }
    return refused;
}
