#include "ScriptManager.h"

#include "app/Debug.h"

#include <algorithm>

ScriptManager::ScriptManager()
{
    LinkStandardScripts();
}

std::unique_ptr<Script> ScriptManager::Create(const std::string& name, const std::string& param) const
{
    const ScriptFactory& factory = ScriptFactory::GetInstance();
    if (!factory.IsRegistered(name)) {
        LogError("Failed to find script <%s>!\n", name.c_str());
        return nullptr;
    }
    std::unique_ptr<Script> script = factory.Create(name);
    script->SetName(name);
    script->SetParam(param);
    return script;
}

bool ScriptManager::Run(const std::string& name, const std::string& param)
{
    std::unique_ptr<Script> script = Create(name, param);
    if (script == nullptr)
        return false;
    blocking.push_back(std::move(script));
    return true;
}

bool ScriptManager::RunAsync(const std::string& name, const std::string& param)
{
    std::unique_ptr<Script> script = Create(name, param);
    if (script == nullptr)
        return false;
    async.push_back(std::move(script));
    return true;
}

bool ScriptManager::IsIdle() const
{
    return blocking.empty() || blocking.back()->IsInterruptible();
}

void ScriptManager::Retire(std::vector<std::unique_ptr<Script>>& list, const Script* script)
{
    const auto found = std::find_if(list.begin(), list.end(), [script](const auto& held) { return held.get() == script; });
    if (found == list.end())
        return;
    (*found)->MarkStopped();
    retired.push_back(std::move(*found));
    list.erase(found);
}

void ScriptManager::DeleteRetired()
{
    if (passesRunning > 0)
        return;
    // A script's destructor may stop sounds, never scripts; still, take
    // the list first so that nothing sees it half cleared.
    std::vector<std::unique_ptr<Script>> deleting = std::move(retired);
    retired.clear();
}

void ScriptManager::StopBlocking()
{
    while (!blocking.empty())
        Retire(blocking, blocking.back().get());
    DeleteRetired();
}

void ScriptManager::StopAsync()
{
    while (!async.empty())
        Retire(async, async.back().get());
    DeleteRetired();
}

void ScriptManager::StopAsync(const std::string& name)
{
    std::vector<const Script*> named;
    for (const auto& script : async) {
        if (script->GetName() == name)
            named.push_back(script.get());
    }
    for (const Script* script : named)
        Retire(async, script);
    DeleteRetired();
}

void ScriptManager::Update(float dt)
{
    ++passesRunning;
    while (!blocking.empty()) {
        Script* top = blocking.back().get();
        if (!top->Step(dt))
            break;
        Retire(blocking, top);
    }

    // Scripts started in this frame wait for the next; scripts stopped by
    // one stepped before are skipped.
    std::vector<Script*> stepping;
    stepping.reserve(async.size());
    for (const auto& script : async)
        stepping.push_back(script.get());
    for (auto script = stepping.rbegin(); script != stepping.rend(); ++script) {
        const bool running =
            std::any_of(async.begin(), async.end(), [script](const auto& held) { return held.get() == *script; });
        if (running && (*script)->Step(dt))
            Retire(async, *script);
    }
    --passesRunning;
    DeleteRetired();
}
