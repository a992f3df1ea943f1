#include "Notepad.h"

#include "files/Serializer.h"

#include <climits>
#include <cstdio>

int Notepad::GetNote(int id) const
{
    const auto found = notes.find(id);
    return found != notes.end() ? found->second : 0;
}

void Notepad::Serialize(Serializer& serializer, const char* name)
{
    serializer.BeginSection("Notepad", name);
    serializer.EndSection();
}

void Notepad::SerializeState(Serializer& serializer, const char* name)
{
    serializer.BeginSection("Notepad", name);
    int count = static_cast<int>(notes.size());
    serializer.SerializeInt("count", &count);
    char key[24];
    if (serializer.IsWriting()) {
        int index = 0;
        for (auto& [id, state] : notes) {
            int listedId = id;
            std::snprintf(key, sizeof key, "note %04d", index++);
            serializer.SerializeInt(key, &listedId);
            std::snprintf(key, sizeof key, "id%d", id);
            serializer.SerializeInt(key, &state);
        }
    } else {
        notes.clear();
        // However large the count, reading stops at the first id the file
        // does not hold.
        for (int index = 0; index < count; ++index) {
            int id = INT_MIN;
            std::snprintf(key, sizeof key, "note %04d", index);
            serializer.SerializeInt(key, &id);
            if (id == INT_MIN)
                break;
            int state = 0;
            std::snprintf(key, sizeof key, "id%d", id);
            serializer.SerializeInt(key, &state);
            notes[id] = state;
        }
    }
    serializer.EndSection();
}
