#include "story/PuzzleChart.h"

#include "files/StringTokens.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <set>

namespace content::story {

namespace {

using Kind = ChartThing::Kind;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

// The first word of `text` (up to a blank), taken off it.
std::string_view TakeWord(std::string_view& text)
{
    text = StringTokens::Trim(text);
    std::size_t end = 0;
    while (end < text.size() && !IsBlank(text[end]))
        ++end;
    const std::string_view word = text.substr(0, end);
    text = StringTokens::Trim(text.substr(end));
    return word;
}

bool IsNumber(std::string_view text)
{
    return !text.empty() && text.size() <= 6 &&
           std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

// A letter, digit or underscore: what a C++ name is made of.
bool IsNameCharacter(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

bool IsIdentifier(std::string_view text)
{
    return !text.empty() && std::isdigit(static_cast<unsigned char>(text.front())) == 0 &&
           std::all_of(text.begin(), text.end(), IsNameCharacter);
}

// A name in a list: no blanks, commas, colons or parentheses.
bool IsName(std::string_view text)
{
    return !text.empty() && text.find_first_of(" \t,:()") == std::string_view::npos;
}

class ChartReader {
public:
    ChartReader(const std::string& file, std::vector<ChartFinding>& faults) : findings(faults)
    {
        chart.file = file;
    }

    PuzzleChart Read(std::string_view text);

private:
    enum class Field { none, needs, gives, consumes, how };

    void Fault(int line, const std::string& message)
    {
        findings.push_back({ChartFinding::Check::format, chart.file, line, message});
    }

    void ReadLine(std::string_view line);
    void ReadStepHeader(std::string_view text);
    void ReadFieldLine(std::string_view text);
    void ReadLying(std::string_view text);
    // The line's text without its remarks in parentheses; nothing when they
    // do not pair up.
    bool WithoutRemarks(std::string_view text, std::string& plain);
    // The entries of a list line, each "kind name", of the kinds allowed.
    void ReadList(std::string_view text, std::initializer_list<Kind> allowed, std::vector<ChartThing>& into);
    void CheckStep(const ChartStep& step);
    void CheckReference(const ChartThing& thing, const ChartStep& step);

    PuzzleChart chart;
    std::vector<ChartFinding>& findings;
    int lineNumber = 0;
    ChartStep* step = nullptr; // the step whose fields follow
    Field field = Field::none;
    std::set<Field> fieldsSeen;
    std::set<std::string> stepsWithoutNeeds; // "needs -"
};

PuzzleChart ChartReader::Read(std::string_view text)
{
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        ++lineNumber;
        ReadLine(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    if (chart.steps.empty())
        Fault(0, "the chart has no steps");
    if (chart.endLine == 0)
        Fault(0, "the chart has no \"end\" line");
    for (const ChartStep& each : chart.steps)
        CheckStep(each);
    if (chart.steps.size() + chart.lying.size() > maxChartActions)
        Fault(0, "the chart has " + std::to_string(chart.steps.size() + chart.lying.size()) +
                     " steps and items to take; the check explores at most " + std::to_string(maxChartActions));
    return std::move(chart);
}

void ChartReader::ReadLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    const std::string_view trimmed = StringTokens::Trim(line);
    if (trimmed.empty() || trimmed.front() == '#')
        return;
    if (line.find('\0') != std::string_view::npos) {
        Fault(lineNumber, "the line holds a zero byte");
        return;
    }
    if (IsBlank(line.front())) {
        ReadFieldLine(trimmed);
        return;
    }
    step = nullptr;
    field = Field::none;
    if (std::isdigit(static_cast<unsigned char>(line.front())) != 0) {
        ReadStepHeader(trimmed);
        return;
    }
    std::string_view rest = trimmed;
    const std::string_view keyword = TakeWord(rest);
    std::string plain;
    if (keyword == "start") {
        if (WithoutRemarks(rest, plain))
            ReadList(plain, {Kind::room, Kind::item, Kind::flag}, chart.start);
    } else if (keyword == "lies") {
        ReadLying(rest);
    } else if (keyword == "end") {
        std::vector<ChartThing> end;
        if (!WithoutRemarks(rest, plain))
            return;
        ReadList(plain, {Kind::level, Kind::step, Kind::flag}, end);
        if (chart.endLine != 0)
            Fault(lineNumber, "a second \"end\" line (the first is line " + std::to_string(chart.endLine) + ")");
        else if (end.size() != 1)
            Fault(lineNumber, "\"end\" names one level, step or flag");
        else {
            chart.end = end.front();
            chart.endLine = lineNumber;
        }
    } else {
        Fault(lineNumber, "\"" + std::string(keyword) +
                              "\" begins no chart line: a step begins with its number; other lines with start, lies, "
                              "end or # for a remark");
    }
}

void ChartReader::ReadStepHeader(std::string_view text)
{
    std::string plain;
    if (!WithoutRemarks(text, plain))
        return;
    std::string_view rest = plain;
    const std::string_view number = TakeWord(rest);
    const std::string_view name = TakeWord(rest);
    const std::string_view roomWord = TakeWord(rest);
    const std::string_view room = TakeWord(rest);
    if (!IsNumber(number) || !IsIdentifier(name) || roomWord != "room" || !IsName(room) || !rest.empty()) {
        Fault(lineNumber, "a step line is \"<number> <Name> room <Room or any>\"");
        return;
    }
    const int expected = static_cast<int>(chart.steps.size()) + 1;
    if (std::stoi(std::string(number)) != expected) {
        Fault(lineNumber, "step " + std::string(number) + " stands where step " + std::to_string(expected) +
                              " belongs: steps are numbered 1, 2, ... in order");
        return;
    }
    if (chart.FindStep(name) != nullptr) {
        Fault(lineNumber, "a second step named " + std::string(name));
        return;
    }
    ChartStep added;
    added.number = expected;
    added.name = name;
    added.room = room == "any" ? std::string() : std::string(room);
    added.line = lineNumber;
    chart.steps.push_back(std::move(added));
    step = &chart.steps.back();
    field = Field::none;
    fieldsSeen.clear();
}

void ChartReader::ReadFieldLine(std::string_view text)
{
    if (step == nullptr) {
        Fault(lineNumber, "an indented line belongs to a step, and stands after none");
        return;
    }
    std::string_view rest = text;
    const std::string_view word = TakeWord(rest);
    const Field named = word == "needs" ? Field::needs
                        : word == "gives" ? Field::gives
                        : word == "consumes" ? Field::consumes
                        : word == "how" ? Field::how
                                        : Field::none;
    if (named != Field::none) {
        if (!fieldsSeen.insert(named).second) {
            Fault(lineNumber, "a second \"" + std::string(word) + "\" line for step " + step->name);
            field = Field::none;
            return;
        }
        field = named;
    } else if (field == Field::none) {
        Fault(lineNumber, "a step's line begins with needs, gives, consumes or how");
        return;
    } else {
        rest = text;
    }
    if (field == Field::how) {
        if (step->howLine == 0)
            step->howLine = lineNumber;
        step->how += (step->how.empty() ? "" : " ") + std::string(rest);
        // Every word that begins with "Script" names a script.
        for (std::size_t at = rest.find("Script"); at != std::string_view::npos; at = rest.find("Script", at + 1)) {
            if (at > 0 && IsNameCharacter(rest[at - 1]))
                continue;
            std::size_t end = at;
            while (end < rest.size() && IsNameCharacter(rest[end]))
                ++end;
            step->scripts.emplace_back(rest.substr(at, end - at));
        }
        return;
    }
    std::string plain;
    if (!WithoutRemarks(rest, plain))
        return;
    if (field == Field::needs && StringTokens::Trim(plain) == "-") {
        if (!step->needs.empty())
            Fault(lineNumber, "\"-\" says step " + step->name + " needs nothing, yet it needs more");
        stepsWithoutNeeds.insert(step->name);
        return;
    }
    if (field == Field::needs) {
        if (stepsWithoutNeeds.count(step->name) != 0)
            Fault(lineNumber, "\"-\" says step " + step->name + " needs nothing, yet it needs more");
        ReadList(plain, {Kind::item, Kind::flag, Kind::step}, step->needs);
    } else if (field == Field::gives) {
        ReadList(plain, {Kind::item, Kind::flag, Kind::room, Kind::level}, step->gives);
    } else {
        ReadList(plain, {Kind::item}, step->consumes);
    }
}

void ChartReader::ReadLying(std::string_view text)
{
    std::string plain;
    if (!WithoutRemarks(text, plain))
        return;
    std::string_view rest = plain;
    const std::size_t colon = rest.find(':');
    std::string_view head = rest.substr(0, std::min(colon, rest.size()));
    const std::string_view in = TakeWord(head);
    const std::string_view room = TakeWord(head);
    if (colon == std::string_view::npos || in != "in" || !IsName(room) || !head.empty()) {
        Fault(lineNumber, "a \"lies\" line is \"lies in <Room>: <item>, <item>, ...\"");
        return;
    }
    rest.remove_prefix(colon + 1);
    bool any = false;
    while (!rest.empty()) {
        const std::size_t comma = std::min(rest.find(','), rest.size());
        const std::string_view item = StringTokens::Trim(rest.substr(0, comma));
        rest.remove_prefix(std::min(comma + 1, rest.size()));
        if (item.empty() && StringTokens::Trim(rest).empty() && any)
            break; // a comma at the end
        if (!IsName(item)) {
            Fault(lineNumber, "\"" + std::string(item) + "\" is no item's name");
            continue;
        }
        const auto same = std::find_if(chart.lying.begin(), chart.lying.end(),
                                       [&](const ChartPlacement& placed) { return placed.item == item; });
        if (same != chart.lying.end()) {
            Fault(lineNumber, "item " + std::string(item) + " lies in a room already (line " +
                                  std::to_string(same->line) + ")");
            continue;
        }
        chart.lying.push_back({std::string(item), std::string(room), lineNumber});
        any = true;
    }
    if (!any)
        Fault(lineNumber, "a \"lies\" line names at least one item");
}

bool ChartReader::WithoutRemarks(std::string_view text, std::string& plain)
{
    plain.clear();
    int depth = 0;
    for (const char c : text) {
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            if (--depth < 0)
                break;
        } else if (depth == 0) {
            plain += c;
        }
    }
    if (depth != 0) {
        Fault(lineNumber, "parentheses that do not pair up");
        return false;
    }
    return true;
}

void ChartReader::ReadList(std::string_view text, std::initializer_list<Kind> allowed, std::vector<ChartThing>& into)
{
    std::string kinds;
    for (const Kind kind : allowed)
        kinds += std::string(kinds.empty() ? "" : ", ") + ChartKindName(kind);
    std::string_view rest = StringTokens::Trim(text);
    if (rest.empty()) {
        Fault(lineNumber, "an empty list: name " + kinds);
        return;
    }
    while (!rest.empty()) {
        const std::size_t comma = std::min(rest.find(','), rest.size());
        std::string_view entry = StringTokens::Trim(rest.substr(0, comma));
        const bool comesAfter = comma < rest.size();
        rest.remove_prefix(std::min(comma + 1, rest.size()));
        if (entry.empty() && comesAfter && StringTokens::Trim(rest).empty())
            break; // a comma at the line's end: the list goes on below
        const std::string_view kindWord = TakeWord(entry);
        const std::string_view name = TakeWord(entry);
        const auto kind = std::find_if(allowed.begin(), allowed.end(),
                                       [&](Kind each) { return kindWord == ChartKindName(each); });
        if (kind == allowed.end() || !IsName(name) || !entry.empty() || (*kind == Kind::level && !IsNumber(name))) {
            Fault(lineNumber, "\"" + std::string(StringTokens::Trim(kindWord)) + (name.empty() ? "" : " ") + std::string(name) +
                                  (entry.empty() ? "" : " ") + std::string(entry) + "\": an entry is one of " + kinds +
                                  ", then a name" + (std::count(allowed.begin(), allowed.end(), Kind::level) != 0
                                                         ? " (a level by its number)"
                                                         : ""));
            continue;
        }
        into.push_back({*kind, std::string(name), lineNumber});
    }
}

void ChartReader::CheckStep(const ChartStep& checked)
{
    if (checked.needs.empty() && stepsWithoutNeeds.count(checked.name) == 0)
        Fault(checked.line, "step " + checked.name + " has no \"needs\" line (\"needs -\" for nothing)");
    if (checked.gives.empty())
        Fault(checked.line, "step " + checked.name + " has no \"gives\" line");
    for (const ChartThing& need : checked.needs)
        CheckReference(need, checked);
    for (const ChartThing& used : checked.consumes) {
        const bool needed = std::any_of(checked.needs.begin(), checked.needs.end(), [&](const ChartThing& need) {
            return need.kind == Kind::item && need.name == used.name;
        });
        if (!needed)
            Fault(used.line, "step " + checked.name + " uses up item " + used.name + ", which it does not need");
    }
}

void ChartReader::CheckReference(const ChartThing& thing, const ChartStep& from)
{
    if (thing.kind != Kind::step)
        return;
    const ChartStep* target = chart.FindStep(thing.name);
    if (target == nullptr)
        Fault(thing.line, "step " + from.name + " needs step " + thing.name + ", which the chart does not have");
    else if (target == &from)
        Fault(thing.line, "step " + from.name + " needs itself");
}

} // namespace

std::string Describe(const ChartFinding& finding)
{
    return finding.file + (finding.line > 0 ? ":" + std::to_string(finding.line) : std::string()) + ": " +
           finding.message;
}

const char* ChartKindName(ChartThing::Kind kind)
{
    switch (kind) {
    case Kind::item: return "item";
    case Kind::flag: return "flag";
    case Kind::step: return "step";
    case Kind::room: return "room";
    case Kind::level: return "level";
    }
    return "thing";
}

const ChartStep* PuzzleChart::FindStep(std::string_view nameOrNumber) const
{
    for (const ChartStep& step : steps) {
        if (step.name == nameOrNumber || (IsNumber(nameOrNumber) && std::to_string(step.number) == nameOrNumber))
            return &step;
    }
    return nullptr;
}

PuzzleChart ReadPuzzleChart(std::string_view text, const std::string& file, std::vector<ChartFinding>& findings)
{
    return ChartReader(file, findings).Read(text);
}

} // namespace content::story
