#include "ConversationEngine.h"

#include "AdventureLevel.h"
#include "Cast.h"
#include "Character.h"
#include "Flag.h"
#include "TalkScriptManager.h"
#include "app/Debug.h"
#include "audio/Randomizer.h"
#include "files/HostPath.h"
#include "files/StringTokens.h"
#include "graphics/Font.h"
#include "graphics/Sprite.h"
#include "graphics/TextDisplay.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int speakerColumn = 1;
constexpr int lineColumn = 2;
constexpr int nextColumn = 5;
constexpr int firstCommandColumn = 6;

// The bar slides toward its place by this share of its distance (plus a
// margin) per second.
constexpr float slideRate = 10.0f;
constexpr float slideMargin = 148.0f;
constexpr float barDepth = 0.8999f;
// A participant that never finishes turning does not hold the dialogue up
// for longer than this.
constexpr float maximumTurnSeconds = 2.0f;
// Sideways when the horizontal distance exceeds this many times the
// vertical one.
constexpr float sidewaysRatio = 3.0f;

const char* const playerName = "Player";

std::string Trimmed(const std::string& text)
{
    return std::string(StringTokens::Trim(text));
}

std::optional<int> ReadInt(const std::string& text)
{
    return TalkScriptManager::ReadInt(text);
}

bool IsEndMarker(const std::string& token)
{
    std::string upper = token;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char character) { return character >= 'a' && character <= 'z' ? character - 'a' + 'A' : character; });
    return upper == "END" || upper == "XEND";
}

} // namespace

void ConversationEngine::Init()
{
    bar.SetSpriteLabel("conversation_bar");
    Reset();
    offset = hiddenOffset;
}

void ConversationEngine::Reset()
{
    state = none;
    hidden.clear();
    visitedBlocks.clear();
    choices.clear();
    participants.clear();
    ++generation;
}

ExcelSheet& ConversationEngine::Sheet() const
{
    return TalkScriptManager::GetInstance().GetSheet(TalkScriptManager::conversationSheet);
}

std::string ConversationEngine::Cell(int column, int row) const
{
    if (row < 0 || row >= Sheet().GetRowCount())
        return {};
    return Sheet().GetCell(column, row);
}

std::optional<int> ConversationEngine::IndexOf(int row) const
{
    return ReadInt(Cell(0, row));
}

int ConversationEngine::FindIndex(int index) const
{
    for (int row = conversationRow; row < Sheet().GetRowCount(); ++row) {
        if (IndexOf(row) == index)
            return row;
    }
    return -1;
}

Character* ConversationEngine::FindCharacter(const std::string& name) const
{
    return name.empty() ? nullptr : Cast::GetInstance().FindAs<Character>(name);
}

void ConversationEngine::StartConversation(const std::string& name, int startIndex)
{
    const int nameRow = Sheet().FindRow(LowerCaseWindows1252(name), 0);
    if (nameRow < 0) {
        LogWarning("ConversationEngine::StartConversation: %s not found in conversationSheet!\n", name.c_str());
        return;
    }
    const int previousConversation = conversationRow;
    conversationRow = nameRow + 1;
    int row = conversationRow;
    if (startIndex == -1) {
        if (row >= Sheet().GetRowCount()) {
            LogWarning("ConversationEngine::StartConversation: Failed to init conversation %s!\n", name.c_str());
            conversationRow = previousConversation;
            return;
        }
    } else {
        row = FindIndex(startIndex);
        if (row < 0) {
            LogError("ConversationEngine::StartConversation: Failed to jump to start-index %d!\n", startIndex);
            conversationRow = previousConversation;
            return;
        }
    }
    ++generation;
    currentRow = row;
    visitedBlocks.clear();
    choices.clear();
    if (AdventureLevel* level = AdventureLevel::Current())
        level->SetState(AdventureLevel::conversation);
    FaceParticipants();
    turningTime = 0.0f;
    state = turning;
}

void ConversationEngine::FaceParticipants()
{
    participants.clear();
    std::vector<Character*> group;
    const auto join = [&](const std::string& name) {
        Character* character = FindCharacter(name);
        if (character == nullptr || std::find(group.begin(), group.end(), character) != group.end())
            return;
        group.push_back(character);
        participants.push_back(name);
    };
    for (int row = conversationRow; row < Sheet().GetRowCount(); ++row) {
        const std::string speaker = Trimmed(Cell(speakerColumn, row));
        if (LowerCaseWindows1252(speaker) != "x") {
            if (Character* character = FindCharacter(speaker); character != nullptr && character->GetAutoOrient())
                join(speaker);
        }
        if (IsEndMarker(Trimmed(Cell(nextColumn, row))))
            break;
    }
    join(playerName);
    if (group.size() < 2)
        return;

    FloatPoint centre{0.0f, 0.0f};
    for (const Character* member : group) {
        centre.x += member->GetPosition().x;
        centre.y += member->GetPosition().y;
    }
    centre.x /= static_cast<float>(group.size());
    centre.y /= static_cast<float>(group.size());
    for (Character* member : group) {
        const float dx = centre.x - member->GetPosition().x;
        const float dy = centre.y - member->GetPosition().y;
        if (dx == 0.0f && dy == 0.0f)
            continue;
        if (std::fabs(dx) > sidewaysRatio * std::fabs(dy))
            member->TurnTo(dx > 0.0f ? Entity::right : Entity::left);
        else
            member->TurnTo(dy > 0.0f ? Entity::down : Entity::up);
    }
}

bool ConversationEngine::ParticipantsTurning() const
{
    return std::any_of(participants.begin(), participants.end(), [this](const std::string& name) {
        const Character* character = FindCharacter(name);
        return character != nullptr && character->GetState() == Character::turning;
    });
}

void ConversationEngine::PlayRow(int row)
{
    currentRow = row;
    const std::string speaker = Trimmed(Cell(speakerColumn, row));
    if (LowerCaseWindows1252(speaker) == "x") {
        ShowChoices(row);
        return;
    }
    Character* character = FindCharacter(speaker);
    if (character == nullptr) {
        LogError("ConversationEngine::ParseNext: Couldn't find character <%s>!\n", speaker.c_str());
        End();
        return;
    }
    speakerName = speaker;
    nextCommandColumn = firstCommandColumn;
    state = speaking;
    // A dialogue line is said as it stands: whoever else still talks (a
    // remark of a script running beside) is not cut off.
    character->Say(TalkScriptManager::GetInstance().GetEntry(TalkScriptManager::conversationSheet, lineColumn, row));
}

std::vector<ConversationEngine::Choice> ConversationEngine::OfferedChoices(int blockRow) const
{
    std::vector<Choice> offered;
    const std::optional<int> block = IndexOf(blockRow);
    if (!block)
        return offered;
    for (int row = blockRow + 1; row < Sheet().GetRowCount() && IndexOf(row) == block; ++row) {
        const std::optional<int> target = ReadInt(Cell(nextColumn, row));
        if (target && IsHidden(*target))
            continue;
        offered.push_back(Choice{row, 0, Cell(lineColumn, row)});
    }
    for (std::size_t i = 0; i < offered.size(); ++i)
        offered[i].top = ChoiceTop(static_cast<int>(i), static_cast<int>(offered.size()));
    return offered;
}

void ConversationEngine::ShowChoices(int blockRow)
{
    // Each block left without options is dropped from the visited ones, so
    // this ends after at most one more round than blocks were visited.
    int block = blockRow;
    while (true) {
        std::vector<Choice> offered = OfferedChoices(block);
        if (!offered.empty()) {
            if (std::find(visitedBlocks.begin(), visitedBlocks.end(), block) == visitedBlocks.end())
                visitedBlocks.push_back(block);
            choices = std::move(offered);
            currentRow = block;
            state = choosing;
            return;
        }
        std::erase(visitedBlocks, block);
        if (visitedBlocks.empty()) {
            LogError("ConversationEngine::ParseNext: Something wrong, num of dialogIndicies is zero!\n");
            End();
            return;
        }
        block = visitedBlocks.back();
    }
}

int ConversationEngine::ChoiceTop(int index, int count)
{
    return choiceCentreY - (choiceLineHeight * count) / 2 + choiceLineHeight * index;
}

int ConversationEngine::GetHoveredChoice() const
{
    if (state != choosing)
        return -1;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].top <= mouseY && mouseY < choices[i].top + choiceLineHeight)
            return static_cast<int>(i);
    }
    return -1;
}

void ConversationEngine::SetMousePosition(int x, int y)
{
    mouseX = x;
    mouseY = y;
}

void ConversationEngine::OnClick(int x, int y)
{
    SetMousePosition(x, y);
    const int hovered = GetHoveredChoice();
    if (hovered < 0)
        return;
    const int row = choices[static_cast<std::size_t>(hovered)].row;
    if (const std::optional<int> target = ReadInt(Cell(nextColumn, row)))
        HiddenMarks().insert(*target);
    PlayRow(row);
}

void ConversationEngine::HideIndex(int index)
{
    if (state == none) {
        LogWarning("ConversationEngine::HideIndex: Diese Funktion darf nur W\xc4"
                   "HREND einer conversation verwendet werden!\n");
        return;
    }
    HiddenMarks().insert(index);
}

void ConversationEngine::UnhideIndex(int index)
{
    if (state == none) {
        LogWarning("ConversationEngine::UnhideIndex: Diese Funktion darf nur W\xc4"
                   "HREND einer conversation verwendet werden!\n");
        return;
    }
    HiddenMarks().erase(index);
}

bool ConversationEngine::IsHidden(int index) const
{
    const auto marks = hidden.find(conversationRow);
    return marks != hidden.end() && marks->second.contains(index);
}

int ConversationEngine::CountRunningScripts() const
{
    const AdventureLevel* level = AdventureLevel::Current();
    return level != nullptr ? level->CountRunningScripts() : 0;
}

bool ConversationEngine::RunCommands()
{
    const unsigned startedIn = generation;
    while (true) {
        const std::string command = Trimmed(Cell(nextCommandColumn, currentRow));
        if (command.empty())
            return true;
        ++nextCommandColumn;
        ParseCommand(command);
        // A command's script may have ended this conversation or started
        // another one.
        if (generation != startedIn || state != speaking)
            return false;
    }
}

void ConversationEngine::ParseCommand(const std::string& command)
{
    const StringTokens tokens(command);
    const std::string word = LowerCaseWindows1252(tokens.StringAt(0));
    if (word == "runscript") {
        AdventureLevel* level = AdventureLevel::Current();
        if (tokens.Count() < 2) {
            LogWarning("ConversationEngine::ParseCommand: runscript failed, syntax error!\n");
            return;
        }
        if (level == nullptr)
            return;
        scriptsBefore = CountRunningScripts();
        if (level->RunScript(tokens.StringAt(1), ""))
            state = waitingForScript;
    } else if (word == "hide" || word == "unhide") {
        const std::optional<int> index = ReadInt(tokens.StringAt(1));
        if (!index) {
            LogWarning("ConversationEngine::ParseCommand: %s failed, syntax error!\n", word.c_str());
            return;
        }
        if (word == "hide")
            HideIndex(*index);
        else
            UnhideIndex(*index);
    } else if (word == "setflag") {
        const std::optional<int> value = ReadInt(tokens.StringAt(2));
        if (tokens.Count() < 3 || !value) {
            LogWarning("ConversationEngine::ParseCommand: setflag failed, syntax error!\n");
            return;
        }
        Flag* flag = Cast::GetInstance().FindAs<Flag>(tokens.StringAt(1));
        if (flag == nullptr) {
            LogWarning("ConversationEngine::FindObject: Object <%s> not founded!\n", tokens.StringAt(1).c_str());
            return;
        }
        flag->SetValue(*value);
    } else {
        LogWarning("ConversationEngine::ParseCommand: Unknown Command <%s>!\n", tokens.StringAt(0).c_str());
    }
}

void ConversationEngine::ParseNext()
{
    const std::string next = Cell(nextColumn, currentRow);
    if (next.empty()) {
        PlayRow(currentRow + 1);
        return;
    }
    const StringTokens tokens(next);
    if (tokens.Count() == 0) {
        LogError("ConversationEngine::ParseNext: Goto failed(1)!\n");
        End();
        return;
    }
    const std::string chosen = tokens.StringAt(Randomizer::GetInstance().Next() % tokens.Count());
    if (IsEndMarker(chosen)) {
        End();
        return;
    }
    const std::optional<int> index = ReadInt(chosen);
    if (!index) {
        LogError("ConversationEngine::ParseNext: Goto failed(2)!\n");
        End();
        return;
    }
    const int row = FindIndex(*index);
    if (row < 0) {
        LogError("ConversationEngine::ParseNext: Goto failed(3)!\n");
        End();
        return;
    }
    PlayRow(row);
}

void ConversationEngine::End()
{
    state = none;
    visitedBlocks.clear();
    participants.clear();
    ++generation;
    if (AdventureLevel* level = AdventureLevel::Current())
        level->SetState(AdventureLevel::normal);
}

void ConversationEngine::Update(float dt)
{
    const float step = (offset + slideMargin) * dt * slideRate;
    if (state == choosing)
        offset = std::min(offset + step, 0.0f);
    else
        offset = std::max(offset - step, hiddenOffset);

    switch (state) {
    case none:
    case choosing:
        break;
    case speaking: {
        const Character* speaker = FindCharacter(speakerName);
        if (speaker != nullptr && speaker->IsTalking())
            break;
        if (RunCommands())
            ParseNext();
        break;
    }
    case waitingForScript:
        if (CountRunningScripts() > scriptsBefore)
            break;
        state = speaking;
        if (RunCommands())
            ParseNext();
        break;
    case turning:
        turningTime += dt;
        if (ParticipantsTurning() && turningTime < maximumTurnSeconds)
            break;
        PlayRow(currentRow);
        break;
    default:
        LogWarning("ConversationEngine::Update: Unknown State %d!\n", state);
        break;
    }
}

void ConversationEngine::Render()
{
    if (offset <= hiddenOffset)
        return;
    const int hovered = GetHoveredChoice();
    const TextDisplay& display = TextDisplay::GetInstance();
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const Font* font =
            display.GetFont(static_cast<int>(i) == hovered ? "speechBubbleHighlighted" : "speechBubble");
        if (font == nullptr)
            continue;
        const std::string& text = choices[i].text;
        font->DrawString(choiceCentreX - font->GetStringWidth(text) / 2,
                         static_cast<int>(static_cast<float>(choices[i].top) + offset), text);
    }
    if (Sprite* picture = bar.GetSprite())
        picture->DrawTopLeft(0, static_cast<int>(offset), bar.GetCurrentFrame(), barDepth);
}
