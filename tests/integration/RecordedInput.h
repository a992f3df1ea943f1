#pragma once

// Input for the executable's --replay, written frame by frame: the pointer
// parked in the corner, then keys and clicks from a running frame number.
// A key is down for one frame, a click comes two frames after the pointer
// moved there; each takes three frames in all, a move or a button one.

#include <string>
#include <vector>

class RecordedInput {
public:
    RecordedInput& At(int frame)
    {
        next = frame;
        return *this;
    }
    RecordedInput& Wait(int frames)
    {
        next += frames;
        return *this;
    }
    // `character` is what the layout gives for the key, 0 for none.
    RecordedInput& Key(int key, int character = 0)
    {
        Line(next, "keydown " + std::to_string(key) +
                       (character != 0 ? " char " + std::to_string(character) : std::string()));
        Line(next + 1, "keyup " + std::to_string(key));
        next += 3;
        return *this;
    }
    // A key alone, for holding it over frames.
    RecordedInput& KeyDown(int key) { return Event("keydown " + std::to_string(key)); }
    RecordedInput& KeyUp(int key) { return Event("keyup " + std::to_string(key)); }
    // The key `times` over.
    RecordedInput& Press(int key, int times = 1)
    {
        for (int time = 0; time < times; ++time)
            Key(key);
        return *this;
    }
    RecordedInput& Move(int x, int y)
    {
        Line(next, "mousemove " + std::to_string(x) + " " + std::to_string(y));
        next += 1;
        return *this;
    }
    RecordedInput& Click(int x, int y) { return ClickWith("l", x, y); }
    // The left button alone, for holding it over frames.
    RecordedInput& ButtonDown(int x, int y) { return Button("lbuttondown", x, y); }
    RecordedInput& ButtonUp(int x, int y) { return Button("lbuttonup", x, y); }
    RecordedInput& RightClick(int x, int y) { return ClickWith("r", x, y); }
    // A bot's round (BotRound.h), frame by frame from now: each frame's
    // events, none where it did nothing.
    RecordedInput& Frames(const std::vector<std::string>& frames)
    {
        for (const std::string& events : frames) {
            if (!events.empty())
                Line(next, events.substr(events.find_first_not_of(' ')));
            ++next;
        }
        return *this;
    }
    // Photographs this frame (with --shot-frames ShotFrames()); the next
    // input comes `after` frames later.
    RecordedInput& Shoot(int after = 2)
    {
        shots.push_back(next);
        next += after;
        return *this;
    }
    const std::vector<int>& Shots() const { return shots; }
    std::string ShotFrames() const
    {
        std::string list;
        for (const int shot : shots)
            list += (list.empty() ? "" : ",") + std::to_string(shot);
        return list;
    }
    // The frame the next input comes in.
    int Now() const { return next; }
    // The recording, ending a few frames after the last input.
    std::string Text() const { return text + "frame " + std::to_string(next + 5) + " time 20\n"; }

private:
    // A click of the left ("l") or right ("r") button, two frames after the
    // pointer moved there.
    RecordedInput& ClickWith(const char* button, int x, int y)
    {
        const std::string at = std::to_string(x) + " " + std::to_string(y);
        Line(next, "mousemove " + at);
        Line(next + 2, std::string(button) + "buttondown " + at + " " + button + "buttonup " + at);
        next += 3;
        return *this;
    }
    RecordedInput& Button(const char* event, int x, int y)
    {
        return Event(std::string(event) + " " + std::to_string(x) + " " + std::to_string(y));
    }
    RecordedInput& Event(const std::string& event)
    {
        Line(next, event);
        next += 1;
        return *this;
    }
    void Line(int frame, const std::string& events) { text += "frame " + std::to_string(frame) + " " + events + "\n"; }

    std::string text = "zephyra-recording 1 seed 7\nframe 2 mousemove 4 4\n";
    int next = 5;
    std::vector<int> shots;
};
