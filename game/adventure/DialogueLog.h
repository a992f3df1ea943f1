#pragma once

// The lines spoken since the game was started from the title screen, newest
// last, each with its speaker and its recording, for the player to read
// again and hear again. It lives beside the savegames, never in them: a
// loaded game keeps the lines heard before. Main thread only.

#include "app/Singleton.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

class DialogueLog : public Singleton<DialogueLog> {
public:
    static constexpr std::size_t capacity = 100;

    struct Line {
        std::string speaker;   // Windows-1252, as the labels
        std::string text;      // as the talk sheet has it, markup included
        std::string recording; // the speech stream's file, empty for none
        float volume = 1.0f;   // the speaker's speech volume when it was said
    };

    ~DialogueLog();

    // The oldest line goes once the log holds `capacity`.
    void Add(Line line);
    void Clear();
    const std::deque<Line>& GetLines() const { return lines; }

    // Plays the line's recording in the speech group, ending the one played
    // before; false when it has none or it cannot be opened.
    bool Replay(std::size_t index);
    void StopReplay();
    bool IsReplaying();

private:
    std::deque<Line> lines;
    // The sound engine's serial of the replayed stream (0: none).
    std::uint64_t replaySerial = 0;
};
