#pragma once

// Plays the branching dialogues of the conversation sheet
// (TalkScriptManager.h). A conversation begins on the row after the row that
// holds its name in column A and runs down the sheet:
//   A  the row's dialogue index (a number; empty: none); a jump to index k
//      goes to the first row of the conversation at or after its start whose
//      index is k
//   B  the speaker's element name, or "x": a choice block, whose options are
//      the following rows with the same index (B who says it, C the text,
//      F the index it leads to)
//   C  the line
//   F  what follows: "END" or "XEND" ends; one or more indices separated by
//      blanks, one of which is taken at random; empty: the next row
//   G… commands, one per cell up to the first empty one, run once the line
//      has been said: "runscript <name>" (waits for the script),
//      "hide <index>", "unhide <index>", "setflag <flag> <value>"
// Choosing an option hides its target index, so each option is offered
// once; a block left without options goes back to the block shown before
// it, and the conversation ends when there is none. Hidden marks belong to
// a conversation and last until the talk sheets are loaded again.
//
// States: 0 none, 2 a line is being said, 3 waiting for the player's choice,
// 4 waiting for a script, 5 the participants turn to face each other.
// While it runs the level is in its conversation state. Every error ends the
// conversation and returns the level to normal. Screen coordinates,
// 1024 x 768. Main thread only.

#include "app/Singleton.h"
#include "graphics/Animation.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

class Character;
class ExcelSheet;

class ConversationEngine : public Singleton<ConversationEngine> {
public:
    enum State : int { none = 0, speaking = 2, choosing = 3, waitingForScript = 4, turning = 5 };

    static constexpr float hiddenOffset = -128.0f;
    static constexpr int choiceLineHeight = 15;
    static constexpr int choiceCentreY = 59;
    static constexpr int choiceCentreX = 512;

    // One offered option: its row and where its line stands.
    struct Choice {
        int row = 0;
        int top = 0;
        std::string text;
    };

    // Binds the bar's picture and forgets any conversation.
    void Init();
    // Ends a running conversation without touching the level and forgets
    // every hidden mark.
    void Reset();

    // Starts the conversation at its first row (startIndex -1) or at its
    // first row with that dialogue index.
    void StartConversation(const std::string& name, int startIndex);
    void HideIndex(int index);
    void UnhideIndex(int index);
    bool IsHidden(int index) const;

    void SetMousePosition(int x, int y);
    // In state 3 takes the hovered option.
    void OnClick(int x, int y);
    void Update(float dt);
    void Render();

    int GetState() const { return state; }
    bool IsRunning() const { return state != none; }
    float GetOffset() const { return offset; }
    const std::vector<Choice>& GetChoices() const { return choices; }
    // The option under the mouse in state 3, else -1.
    int GetHoveredChoice() const;
    // The line top of option `index` of `count`.
    static int ChoiceTop(int index, int count);
    const std::vector<int>& GetVisitedBlocks() const { return visitedBlocks; }

private:
    ExcelSheet& Sheet() const;
    std::string Cell(int column, int row) const;
    // The row's dialogue index, if column A holds one.
    std::optional<int> IndexOf(int row) const;
    // The first row of the conversation at or after its start with the index.
    int FindIndex(int index) const;
    std::set<int>& HiddenMarks() { return hidden[conversationRow]; }

    // Turns the participants toward each other (state 5).
    void FaceParticipants();
    bool ParticipantsTurning() const;
    // Plays a row: its speaker says it, or it opens a choice block.
    void PlayRow(int row);
    void ShowChoices(int blockRow);
    // The options of the block that are not hidden.
    std::vector<Choice> OfferedChoices(int blockRow) const;
    // Runs the commands of the spoken row from `nextCommandColumn`; false
    // while a script is waited for.
    bool RunCommands();
    void ParseCommand(const std::string& command);
    // Column F of the spoken row decides what follows.
    void ParseNext();
    // Ends the conversation; the level returns to its normal state.
    void End();
    int CountRunningScripts() const;
    Character* FindCharacter(const std::string& name) const;

    int state = none;
    // The row after the conversation's name; hidden marks are kept per
    // conversation under it.
    int conversationRow = 0;
    int currentRow = 0;
    int nextCommandColumn = 0;
    int scriptsBefore = 0;
    // Counts conversations started and ended, so that a command can tell
    // that its script replaced the conversation.
    unsigned generation = 0;
    std::string speakerName;
    std::vector<std::string> participants;
    float turningTime = 0.0f;
    std::map<int, std::set<int>> hidden;
    std::vector<int> visitedBlocks;
    std::vector<Choice> choices;
    float offset = hiddenOffset;
    int mouseX = 0;
    int mouseY = 0;
    Animation bar;
};
