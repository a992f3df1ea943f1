#pragma once

// The notes the story has revealed: a state per note id, set by the
// scripts. Notes never set have no entry.
//
// Savegames hold one int per note under "id<number>"; since a reader cannot
// ask which keys a file holds, "count" and one "note <index>" per note list
// the ids first.

#include "app/Singleton.h"
#include "files/Object.h"

#include <map>

class Notepad : public Object, public Singleton<Notepad> {
public:
    void Serialize(Serializer& serializer, const char* name) override;
    void SerializeState(Serializer& serializer, const char* name) override;

    void SetNote(int id, int state) { notes[id] = state; }
    // The note's state; 0 for a note never set.
    int GetNote(int id) const;
    const std::map<int, int>& GetNotes() const { return notes; }
    void Clear() { notes.clear(); }

private:
    std::map<int, int> notes;
};
