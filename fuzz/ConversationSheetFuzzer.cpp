// The talk sheets are edited by hand: whatever their bytes, loading them,
// looking lines up, following links and cell references and playing every
// conversation they name must neither crash nor hang. The input serves as
// all four sheets of episode 1; each conversation is played for a bounded
// number of frames, choosing options in turn.

#include "FuzzFolder.h"
#include "FuzzLevel.h"
#include "adventure/Cast.h"
#include "adventure/Character.h"
#include "adventure/ConversationEngine.h"
#include "adventure/Flag.h"
#include "adventure/TalkScriptManager.h"
#include "app/Singleton.h"
#include "audio/Randomizer.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>

namespace {

constexpr int maximumRows = 32;
constexpr int framesPerConversation = 100;

void Play(ConversationEngine& engine, Character& player, Character& kira)
{
    for (int frame = 0; frame < framesPerConversation && engine.IsRunning(); ++frame) {
        player.Update(0.5f);
        kira.Update(0.5f);
        engine.Update(0.5f);
        const auto& choices = engine.GetChoices();
        if (engine.GetState() == ConversationEngine::choosing && !choices.empty())
            engine.OnClick(0, choices[static_cast<std::size_t>(frame) % choices.size()].top);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteFuzzInput("input.csv", data, size);
    std::filesystem::create_directories("data/level01/sprachscript");
    for (const char* sheet : {"itemSheet", "itemCombineSheet", "conversationSheet", "genericSheet"})
        std::filesystem::copy_file("input.csv", std::string("data/level01/sprachscript/") + sheet + ".csv",
                                   std::filesystem::copy_options::overwrite_existing);

    Randomizer::Seed(1);
    FuzzLevel level;
    AdventureLevel::SetCurrent(&level);
    {
        Character player;
        Character kira;
        Flag flag;
        Cast& cast = Cast::GetInstance();
        cast.Add(&player, "Player");
        cast.Add(&kira, "Deck|Kira");
        cast.Add(&flag, "Global|Gefragt");

        TalkScriptManager& talk = TalkScriptManager::GetInstance();
        talk.Load(1);
        ConversationEngine& engine = ConversationEngine::GetInstance();
        ExcelSheet& sheet = talk.GetSheet(TalkScriptManager::conversationSheet);
        const int rows = std::min(sheet.GetRowCount(), maximumRows);
        for (int row = 0; row < rows; ++row) {
            const std::string first = sheet.GetCell(0, row);
            const std::string second = sheet.GetCell(1, row);
            talk.Perform(talk.GetExamine(first));
            talk.Perform(talk.GetUse(first));
            talk.Perform(talk.GetCombine(first, second));
            talk.Perform(talk.GetEntry(TalkScriptManager::itemSheet, 2, row));
            talk.Talk(first);
            Play(engine, player, kira);
            engine.StartConversation(first, -1);
            Play(engine, player, kira);
            engine.StartConversation(first, TalkScriptManager::ReadInt(second).value_or(row));
            Play(engine, player, kira);
        }
        engine.Reset();
        cast.Clear();
    }
    AdventureLevel::SetCurrent(nullptr);
    SingletonRegistry::DestroyAll();
    return 0;
}
