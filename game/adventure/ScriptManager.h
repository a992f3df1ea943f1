#pragma once

// Starts scripts by name and advances them once per frame.
//
// Blocking scripts form a stack: only the top one runs, so a script that
// starts another with Run waits until that one has ended; the player's
// clicks count only while the stack is empty or its top is interruptible
// (IsIdle). Asynchronous scripts run side by side, every one every frame.
// The manager owns every running script and deletes it when it ends or is
// stopped. Scripts may start and stop scripts while they run: a script
// stopped in the middle of its own pass is deleted once the pass is over.
// Main thread only.

#include "Script.h"
#include "app/Singleton.h"

#include <memory>
#include <string>
#include <vector>

class ScriptManager : public Singleton<ScriptManager> {
public:
    ScriptManager();

    // Pushes a new script of that name onto the blocking stack; false, after
    // "Failed to find script <name>!", when no script has the name.
    bool Run(const std::string& name, const std::string& param = "");
    // The same onto the asynchronous list.
    bool RunAsync(const std::string& name, const std::string& param = "");

    bool IsIdle() const;
    void StopBlocking();
    void StopAsync();
    void StopAsync(const std::string& name);

    // The blocking top, then the new top in the same frame while scripts
    // end; then every asynchronous script from the last to the first.
    void Update(float dt);

    const std::vector<std::unique_ptr<Script>>& GetBlocking() const { return blocking; }
    const std::vector<std::unique_ptr<Script>>& GetAsync() const { return async; }

private:
    std::unique_ptr<Script> Create(const std::string& name, const std::string& param) const;
    // Takes the script out of the list; it is deleted once no pass runs.
    void Retire(std::vector<std::unique_ptr<Script>>& list, const Script* script);
    void DeleteRetired();

    std::vector<std::unique_ptr<Script>> blocking;
    std::vector<std::unique_ptr<Script>> async;
    // Stopped or ended scripts waiting for the running pass to return.
    std::vector<std::unique_ptr<Script>> retired;
    int passesRunning = 0;
};
