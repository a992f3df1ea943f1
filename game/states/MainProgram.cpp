#include "MainProgram.h"

#include "SavegameCheck.h"
#include "ScrambledTextFile.h"
#include "app/Debug.h"
#include "app/Factory.h"
#include "app/KeyboardInput.h"
#include "files/AtomicFile.h"
#include "files/HostPath.h"
#include "files/SettingsManager.h"
#include "graphics/BmpLoader.h"
#include "graphics/SpriteManager.h"
#include "platform/VirtualKey.h"

#include <cstdio>
#include <filesystem>
#include <regex>
#include <set>
#include <vector>

void MainProgram::SetGame(const std::string& name, int level)
{
    currentLevel = requestedLevel = level != -1 ? level : SettingsManager::GetInstance().GetInt("activeLevel");
    pendingStateName = name;
    DoSetGame();
}

void MainProgram::SetProject(const std::string& name)
{
    pendingStateName = name;
}

void MainProgram::SetLevel(int level)
{
    requestedLevel = level;
}

void MainProgram::DoSetGame()
{
    if (currentState) {
        currentState->Exit();
        currentState.reset();
    }
    currentState = Factory<GameState>::GetInstance().Create(pendingStateName);
    if (!currentState) {
        LogMessageBox("MainProgram::DoSetGame: Unknown Project <%s>", pendingStateName.c_str());
        TerminateAbnormally();
    }
    // The switch is done before the new state starts, so that a switch the
    // state asks for in its Init waits for the next frame.
    currentStateName = std::move(pendingStateName);
    pendingStateName.clear();
    currentState->Init(currentLevel);
    currentState->OnMouseMove(lastMouseX, lastMouseY);
}

bool MainProgram::Update(float seconds)
{
    KeyboardInput::GetInstance().Update(seconds);
    if (requestedLevel != currentLevel) {
        currentLevel = requestedLevel;
        if (pendingStateName.empty())
            pendingStateName = currentStateName;
    }
    if (!pendingStateName.empty())
        DoSetGame();
    if (currentState)
        currentState->Update(seconds);
    return true;
}

bool MainProgram::Render()
{
    if (!currentState)
        return false;
    currentState->Render();
    return true;
}

bool MainProgram::Shutdown()
{
    shuttingDown = true;
    if (currentState) {
        currentState->Exit();
        currentState.reset();
    }
    SpriteManager::GetInstance().Clear();
    return true;
}

void MainProgram::OnKeyDown(int key)
{
    if (currentState) {
        if (key != VirtualKey::Escape || escapeReleased) {
            currentState->OnKeyDown(key);
            if (key == VirtualKey::Escape)
                escapeReleased = false;
        }
    }
    KeyboardInput::GetInstance().KeyDown(key);
}

void MainProgram::OnKeyUp(int key)
{
    if (currentState)
        currentState->OnKeyUp(key);
    if (key == VirtualKey::Escape)
        escapeReleased = true;
    KeyboardInput::GetInstance().KeyUp(key);
}

void MainProgram::OnMouseMove(int x, int y)
{
    lastMouseX = x;
    lastMouseY = y;
    if (currentState)
        currentState->OnMouseMove(x, y);
}

int MainProgram::Command(const char* name, int arg1, int arg2)
{
    return currentState ? currentState->Command(name, arg1, arg2) : 0;
}

std::string MainProgram::SlotFile(int slot, const char* extension)
{
    return "savegames\\savegame" + std::to_string(slot) + "." + extension;
}

namespace {

// A save killed half-way leaves the slot's files whole, but beside them
// what it had not finished: the unscrambled savegame "<dat>.new" and the
// temporary files that were to replace them, "<dat>.new.tmp-XXXXXX" and
// "<bmp>.tmp-XXXXXX". Each has a name of its own, so they would pile up
// with every such crash; the next save of the slot removes them.
void RemoveUnfinishedSaves(int slot)
{
    const std::string stem = "savegame" + std::to_string(slot);
    std::error_code error;
    std::vector<std::filesystem::path> unfinished;
    for (std::filesystem::directory_iterator entry(HostPath("savegames"), error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = LowerCaseWindows1252(entry->path().filename().string());
        if (name.starts_with(stem + ".dat.new") || name.starts_with(stem + ".bmp.tmp-"))
            unfinished.push_back(entry->path());
    }
    for (const std::filesystem::path& path : unfinished) {
        LogPrint("MainProgram::SaveGame: Removing <%s>, left by an unfinished save\n", path.filename().c_str());
        std::filesystem::remove(path, error);
    }
    if (!unfinished.empty())
        ForgetFolderListings();
}
} // namespace

void MainProgram::RemoveUnfinishedWrites()
{
    std::set<std::string> folders;
    for (const char* name : {"options.dat", "highscores.dat", "debug.txt", "savegames\\savegame0.dat"}) {
        const std::filesystem::path folder = std::filesystem::path(HostPath(name)).parent_path();
        folders.insert(folder.empty() ? "." : folder.string());
    }
    // Only the temporaries of the game's own files: the working directory
    // of a development tree holds other things too.
    static const std::regex ours("(options\\.dat|highscores\\.dat|debug\\.txt|savegame[0-9]+\\.(dat|bmp))(\\.new)?",
                                 std::regex::icase);
    const auto isOurs = [](const std::string& target) { return std::regex_match(target, ours); };
    for (const std::string& folder : folders) {
        for (const std::string& name : RemoveStaleTemporaries(folder, isOurs))
            LogPrint("MainProgram: Removed <%s>, left by an unfinished write\n", name.c_str());
    }
}

bool MainProgram::SaveGame(int slot, const Image& image)
{
    if (!currentState) {
        LogError("MainProgram::SaveGame: Failed to save game, game-ptr is NULL!\n");
        return false;
    }
    // A crash or a failed save leaves the slot's previous savegame as it was.
    RemoveUnfinishedSaves(slot);
    const std::string name = SlotFile(slot, "dat");
    ScrambledTextFile file(name);
    if (!file.Open()) {
        LogError("MainProgram::SaveGame: Failed to open savegame <%s>!\n", name.c_str());
        return false;
    }
    if (!currentState->SaveGame(file.GetFile()) || !file.Commit()) {
        LogError("MainProgram::SaveGame: Failed to save game!\n");
        return false;
    }
    // The picture is part of the save: a slot whose picture did not reach
    // the disk is not reported as saved.
    if (!BmpLoader::GetInstance().Save(SlotFile(slot, "bmp").c_str(), image)) {
        LogError("MainProgram::SaveGame: Failed to save game!\n");
        return false;
    }
    return true;
}

int MainProgram::LoadGame(int slot)
{
    pendingSavegame.reset();
    const std::string name = SlotFile(slot, "dat");
    auto file = std::make_unique<File>();
    if (!file->OpenMemory(name.c_str(), "r")) {
        LogError("MainProgram::LoadGame: Failed to open savegame <%s>!\n", name.c_str());
        return -1;
    }
    std::string line;
    file->ReadLine(line, 199);
    LogPrint("Loading Savegame %s\n", line.c_str());
    // The whole file is checked before the level starts: a savegame cut
    // short or damaged is refused, never applied in part.
    SavegameCheck::Header header;
    std::string fault;
    if (!SavegameCheck::Check(*file, header, fault)) {
        LogError("MainProgram::LoadGame: Savegame <%s> refused: %s!\n", name.c_str(), fault.c_str());
        LogError("MainProgram::LoadGame: Failed to load game!\n");
        return -1;
    }
    const int level = header.level;
    pendingSavegame = std::move(file);
    return level;
}

bool MainProgram::IsStateInitialised() const
{
    return currentState && currentState->IsInitialised();
}
