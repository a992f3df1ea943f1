#pragma once

// The front end every minigame carries around its play: the title menu, the
// help page, the highscore list and the name entry (both drawn by
// SharedMenus), the message at the end of a round, and the way back to the
// main menu or on into the adventure. A minigame keeps one of these and
// calls it from its own states, whose numbers stay the game's own.
//
// A game runs either standalone (started from the main menu's minigame
// page; no saving, highscores kept) or inside the adventure, where it must
// reach a score that depends on the difficulty before the story goes on with
// the next episode.

#include "MenuList.h"
#include "graphics/Animation.h"
#include "graphics/TextDisplay.h"

#include <array>
#include <functional>
#include <span>
#include <string>

class LevelOwner;

class MinigameFrame {
public:
    // The title menu's and the help page's item ids.
    static constexpr int itemNewGame = 0;
    static constexpr int itemHelp = 1;
    static constexpr int itemHighscore = 2;
    static constexpr int itemLeave = 3;


    // The game's own numbers of the states the front end moves between.
    struct States {
        int titleMenu;
        int help;
        int playing;
        int highscores;
        int nameEntry;
    };
    // What the end of a round says, and for how many seconds.
    struct RoundEnd {
        // The name the log gives the game ("RuvIdLevelTanzen").
        const char* game;
        // Inside the adventure with the score reached.
        const char* successMessage;
        float scoreSeconds;
        float successSeconds;
        float failureSeconds;
    };
    struct Game {
        // 0 dance, 1 taxi shooter, 2 catapult, 3 alien shooter: the highscore
        // table and the unlock flag of the game.
        int minigame;
        // The level that follows when the game is won inside the adventure.
        int nextEpisode;
        // The score to reach inside the adventure, by difficulty.
        std::array<int, 3> requiredScores;
        States states;
        RoundEnd roundEnd;
        // Sets the marker that makes the next episode begin where this game
        // left the story; null for a game whose episode starts as it likes.
        void (*setArrivalMarker)(bool set);
    };
    // The help page: its title at its y, then each paragraph at its y.
    struct HelpParagraph {
        const char* text;
        int y;
    };
    struct HelpPage {
        const char* title;
        int titleY;
        std::span<const HelpParagraph> paragraphs;
    };
    // What comes after the end message.
    enum class AfterRound { titleMenu, nameEntry };

    explicit MinigameFrame(const Game& game);

    // Marks the game unlocked and saves the options at once; learns whether
    // it runs inside the adventure and whom to tell when the menu may open.
    void Start(LevelOwner* owner);
    // Leaves the pages; a name entry still running ends with what was
    // typed.
    void Stop();

    bool IsInAdventure() const { return inAdventure; }
    int GetRequiredScore() const;
    MenuList& GetList() { return list; }

    // Opens the page of the game's state `newState`, coming from `state`:
    // the title menu, the help page, the highscore list (whose button reads
    // "Weiter" after a name entry) or the name entry for `score`. False for
    // a state that is no page.
    bool ShowPage(int newState, int state, int score, const HelpPage& help);
    // A page's update in `state`: the list follows the pointer; a finished
    // name entry (its table saved) goes on to the highscore list through
    // `setState`.
    void UpdatePage(float seconds, int state, const std::function<void(int)>& setState);
    // A click in `state`: on the title menu, the help page or the highscore
    // list it acts on the item under the pointer (with a click sound),
    // calling `setState` with the game's state to go to; "Beenden" leaves
    // for the main menu. Once the game is leaving, clicks do nothing.
    void OnPageClick(int state, const std::function<void(int)>& setState);

    // Pointer and keys outside the play: true when the list activates the
    // item under the pointer (Enter), which then counts as a click.
    void OnMouseMove(int x, int y);
    bool OnMenuKey(int key);
    int GetMouseX() const { return mouseX; }
    int GetMouseY() const { return mouseY; }

    // The end of a round. The standalone message and the failure message are
    // the same for most games.
    std::string ScoreMessage(int score) const;
    std::string FailureMessage() const;
    // Shows `message` for `seconds`, with a sound unless `audioEvent` is null.
    void ShowEndMessage(const std::string& message, const char* audioEvent, float seconds);
    // The end of a round by the clock or the score: the log line, and the
    // message standalone, for a success or for a failure in the story.
    void EndRound(int score);
    bool IsEndMessageShown() const { return endTimer > 0.0f; }
    // The message while it is shown, else empty.
    std::string GetEndMessage() const { return IsEndMessageShown() ? endMessage : std::string(); }
    // Counts the message down; true in the step it runs out.
    bool UpdateEndMessage(float seconds);
    // Once the message is gone: inside the adventure a score that reached the
    // requirement wins; standalone a score that enters the table goes on to
    // the name entry.
    AfterRound FinishRound(int score);
    bool IsWon() const { return won; }
    // The arrival marker, loading screen, wipe, and the next episode at the
    // next frame.
    void LeaveForAdventure();
    // Back to the main menu at the next frame ("Beenden", or the end of the
    // closing credits, which wipe the screen).
    void LeaveToMainMenu(bool withWipe = false);
    bool IsLeaving() const { return leaving; }

    // Last in every update of the game in `state`: tells the game
    // controller whether the in-game menu may open (on the title menu, the
    // help page and the highscore list), and goes on into the adventure
    // once the game is won and no highscore page is up.
    void FinishUpdate(float seconds, int state);

    void DrawEndMessage() const;
    // The see-through plates behind the pages' text, between the stage's
    // figures and the text: "panel_small" behind the title menu, "panel"
    // behind the help page and the highscore list (the end message has
    // "panel_message", drawn with it).
    void DrawTitlePanel() const;
    void DrawPagePanel() const;
    // The pointer, which the system hides in full screen.
    void DrawCursor();
    // The head-up display above the play: "Punkte: 120" at the top left,
    // the time left ("Zeit: 1:05") at the top right, and any other line.
    static void DrawScore(int score);
    static void DrawTimeLeft(float roundSeconds, float elapsed);
    static void DrawHudText(const char* text, int x, int y,
                            HorizontalAlignment alignment = HorizontalAlignment::left);

private:
    void ShowTitleMenu();
    void ShowHelpPage(const HelpPage& help);
    void ShowHighscores(bool afterEntry);
    void StartNameEntry(int score);

    Game game;
    LevelOwner* owner = nullptr;
    bool inAdventure = false;
    MenuList list;
    Animation cursor;
    Animation titlePanel;
    Animation pagePanel;
    Animation messagePanel;
    int mouseX = 512;
    int mouseY = 384;
    // The item under the pointer or chosen by keyboard, -1 for none.
    int selectedItem = -1;
    float endTimer = 0.0f;
    std::string endMessage;
    bool won = false;
    bool leaving = false;
};
