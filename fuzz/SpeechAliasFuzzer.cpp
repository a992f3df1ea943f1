// A spoken line's alias file (beside its recordings, named after its cell)
// names the cell whose recording says the same: whatever the bytes, the
// line is logged with a recording in its own sheet's folder, named by the
// file's first line without its line end, or by the line's own cell.

#include "FuzzFolder.h"
#include "FuzzLevel.h"
#include "adventure/Character.h"
#include "adventure/DialogueLog.h"
#include "app/Singleton.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteFuzzInput("data/level01/audio/streamingtalk/conversation/C07.txt", data, size);
    FuzzLevel level;
    AdventureLevel::SetCurrent(&level);
    {
        Character speaker;
        speaker.Say(TalkEntry{"Hallo.", "conversation", "C07"});
    }
    const auto& lines = DialogueLog::GetInstance().GetLines();
    if (lines.size() != 1)
        std::abort();
    const std::string folder = "level01\\audio\\streamingtalk\\conversation\\";
    const std::string& recording = lines.back().recording;
    // The spoken line's own recording or a cell of the same sheet: a name of
    // letters and digits, never a way out of the folder or a control byte.
    if (recording.rfind(folder, 0) != 0 || recording.size() == folder.size())
        std::abort();
    for (std::size_t index = folder.size(); index < recording.size(); ++index) {
        const char character = recording[index];
        if (!((character >= 'A' && character <= 'Z') || (character >= 'a' && character <= 'z') ||
              (character >= '0' && character <= '9')))
            std::abort();
    }
    AdventureLevel::SetCurrent(nullptr);
    SingletonRegistry::DestroyAll();
    return 0;
}
