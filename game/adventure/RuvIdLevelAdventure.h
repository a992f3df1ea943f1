#pragma once

// The level of an adventure episode. It owns the player, changes rooms when
// a door or a script asks (always in the next update), runs the episode's
// and the rooms' start scripts, advances scripts, inventory, conversation
// and the room's entities each frame, draws the scene and turns the
// player's clicks into walks and the engine's standard scripts:
//
//   rows 0 to 127     the in-game menu bar's band: clicks are ignored
//   rows 128 to 656   the room: a left click walks there and uses what is
//                     hit ("ScriptOnUse"), or in combine mode combines the
//                     chosen item with it ("ScriptOnCombine"); a right
//                     click walks there and examines it ("ScriptOnExamine")
//   rows below 656    the inventory bar, as far as it is out (it slides
//                     down from there; where it is not, the room is)
//
// Clicks on the room count only while input is allowed: input is on and no
// blocking script runs, or the running one may be interrupted (a click
// stops it). Enter skips a running sequence: the level then advances in
// steps of 0.05 s without speech until the player may act again, for at
// most 200 s of game time. The period key, and a right click while someone
// speaks, end only the line being spoken; the sequence goes on with its
// next step. While Tab is held every labelled thing of the
// room shows a marker and its label.
//
// The level is the AdventureLevel its elements and scripts ask for while it
// runs. A level it is asked to change to is kept for the game state above,
// which polls TakeRequestedLevel after each update.

#include "AdventureLevel.h"
#include "Level.h"
#include "Player.h"
#include "graphics/Animation.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class Entity;
class Room;

class RuvIdLevelAdventure final : public Level, public AdventureLevel {
public:
    static constexpr int keyEnter = 13;
    static constexpr int keyHotspots = 9;       // Tab
    static constexpr int keySkipLine = 0xBE;    // the period key
    // The menu bar's band ends above this row.
    static constexpr int menuBandEnd = 128;
    // The inventory bar's top edge while it is fully out.
    static constexpr int inventoryTop = 656;
    static constexpr float skipStepSeconds = 0.05f;
    static constexpr int skipStepLimit = 4000;
    // One step after a room change, so that its first frame shows it arranged.
    static constexpr float arrangeSeconds = 0.01f;

    RuvIdLevelAdventure();
    ~RuvIdLevelAdventure() override;

    // Section "LevelParameter": "start playerpos", "start walk to", "Room Id"
    // (the editor's room counter) and "Start Room" (a room's label or "NONE").
    void Serialize(Serializer& serializer, const char* name) override;
    // Section "LevelParameter": "Current Room", the full name of the room the
    // player is in. Reading a name changes to that room (no episode start
    // script runs then: the savegame holds the episode's state already).
    void SerializeState(Serializer& serializer, const char* name) override;

    bool Init(const LevelParameters& levelParameters) override;
    // Stops the scripts, runs the episode's exit script once and leaves the room.
    void Exit() override;
    void Reset() override;
    void Update(float dt) override;
    // Submits the scene to the render list; the state above draws the list.
    void Render() override;
    void OnKey(int key) override;
    // Ends the lines being spoken now; false when nobody speaks.
    bool SkipSpokenLine();
    // Whether the room's hotspots are shown (Tab held).
    static bool IsHotspotKeyHeld();
    void OnLeftButtonDown(int x, int y, bool doubleClick) override;
    void OnLeftButtonUp(int x, int y) override;
    void OnRightButtonDown(int x, int y) override;
    void OnMouseMove(int x, int y) override;

    // Enters the room a savegame asked for, else the start room with the
    // player at "start playerpos" walking to "start walk to". False when
    // there is no room to enter.
    bool Start();
    // Carries out the pending room change now (nothing when none is pending).
    void DoSetRoom();
    // The active, shown entity of the current room under the screen point
    // with the largest sort depth (the first of equals); null for none.
    Entity* PickEntity(int x, int y) const;

    // A room change that leaves the player where it stands.
    void RequestRoom(const std::string& roomName);
    void RequestRoom(const std::string& roomName, int x, int y, int walkToX, int walkToY, int orient = -1) override;
    bool HasPendingRoom() const { return pendingRoom.has_value(); }
    // The level a script asked for, once; nothing when none was asked for.
    std::optional<int> TakeRequestedLevel();

    int GetLevelNumber() const override { return parameters.level; }
    int GetState() const override { return state; }
    // Another state than 0 to 3 is logged and ignored.
    void SetState(int newState) override;
    bool InputAllowed() const override;
    bool BlockingScriptsIdle() const override { return InputAllowed(); }
    void StopBlockingScripts() override;
    bool IsSkipping() const override { return skipRequested; }
    void SetInputEnabled(bool enabled) override { inputEnabled = enabled; }
    void ShowLabels(bool show) override { showLabels = show; }
    void RequestLevel(int level) override { requestedLevel = level; }
    bool RunScript(const std::string& name, const std::string& argument) override;
    int CountRunningScripts() const override;
    TalkEntry GetUseLine(const std::string& elementName) override;
    TalkEntry GetExamineLine(const std::string& elementName) override;
    TalkEntry GetCombineLine(const std::string& itemName, const std::string& targetName) override;
    void Perform(const TalkEntry& entry) override;

    // Won minigames leave a mark for the episode they return to: its first
    // room change then lands where the story goes on and sets a flag. The
    // marks outlive the levels (the game restarts its state between them).
    static void SetCatapultWon(bool won) { catapultWon = won; }
    static bool IsCatapultWon() { return catapultWon; }
    static void SetAlienShooterWon(bool won) { alienShooterWon = won; }
    static bool IsAlienShooterWon() { return alienShooterWon; }

    Room* GetRoom() const { return room; }
    Player* GetPlayer() const { return player.get(); }
    const std::vector<Entity*>& GetRoomEntities() const { return roomEntities; }
    const std::string& GetStartRoom() const { return startRoom; }
    // Whether a screen row lies on the inventory bar as far as it is out.
    bool IsOverInventory(int y) const;

private:
    struct PendingRoom {
        std::string name;
        std::optional<Point> at;
        std::optional<Point> walkTo;
        int orient = -1;
    };

    // One update step: scripts, inventory, conversation, player, room,
    // entities, then a pending room change.
    void Step(float dt);
    void UpdatePlayer(float dt);
    // Whether a skip has reached its end.
    bool SkipDone() const;
    // A won minigame's mark redirects the change and sets its flag.
    static void ApplyArrivalMarkers(std::string& roomName);
    void CollectRoomEntities();
    // Runs the script when it is registered; the log says which ("Run
    // <kind> script <name>" or "<kind> script <name> not available").
    static void RunStartScript(const std::string& name, const char* kind);
    // The walk of a room click: to the hit entity's act position, or to the
    // clicked point. The entity hit (one with a label), or null.
    Entity* WalkToClick(int x, int y);
    // Walks the player there; a point on a wall or in the sky far from any
    // floor takes the floor below it.
    void WalkPlayer(Point to, int orient);
    std::optional<Point> FloorBelow(Point point) const;
    void DrawHotspots() const;
    Point World(int x, int y) const;
    void LeaveCombineMode();

    static inline bool catapultWon = false;
    static inline bool alienShooterWon = false;

    // Settings.
    int startPlayerPos[2] = {512, 600};
    int startWalkTo[2] = {512, 600};
    int roomId = 0;
    std::string startRoom = "NONE";

    LevelParameters parameters;
    bool initialised = false;
    std::unique_ptr<Player> player;
    Room* room = nullptr;
    std::vector<Entity*> roomEntities;
    std::optional<PendingRoom> pendingRoom;
    int state = normal;
    bool inputEnabled = true;
    bool episodeStartPending = false;
    // Set by loading a game: "ScriptEpisode<n>Resume" runs at the next room
    // change instead of the start script.
    bool episodeResumePending = false;
    bool skipRequested = false;
    bool showLabels = true;
    std::optional<int> requestedLevel;
    int mouseX = 0;
    int mouseY = 0;
    Animation cursor;
};
