#pragma once

#include "platform/WindowMessage.h"

#include <cstdint>
#include <map>
#include <random>
#include <vector>

// Random but plausible input for a soak run: the pointer glides to places
// and clicks, right-clicks, double-clicks and drags there, keys are tapped or
// held (the game's own keys, arrows and letters for names), the menu is
// opened and clicked through, the focus comes and goes, and between all this
// the player waits a while. The same seed
// gives the same input frame by frame, so a run that failed replays exactly.
// Positions are logical (1024 x 768).
class SoakInput {
public:
    explicit SoakInput(unsigned seed);

    // The input that arrives before the given frame; frames are asked for in
    // order from 0.
    std::vector<platform::WindowMessage> Next(std::uint32_t frame);

private:
    void Plan(std::uint32_t frame);
    int Uniform(int from, int to); // both included

    // What the player does next, starting at `frame`; each returns the frame
    // after which the next action may begin.
    std::uint32_t Wait(std::uint32_t frame);
    std::uint32_t Click(std::uint32_t frame, platform::MessageType down, platform::MessageType up, bool twice);
    std::uint32_t Drag(std::uint32_t frame);
    std::uint32_t Burst(std::uint32_t frame);
    std::uint32_t TapKey(std::uint32_t frame);
    std::uint32_t HoldKey(std::uint32_t frame);
    std::uint32_t Type(std::uint32_t frame);
    std::uint32_t Focus(std::uint32_t frame);
    std::uint32_t VisitMenu(std::uint32_t frame);

    // Moves the pointer to a place over a few frames; returns the frame it
    // arrives in.
    std::uint32_t GlideTo(std::uint32_t frame, int x, int y);
    // The same to a place a player might click.
    std::uint32_t GlideToSomewhere(std::uint32_t frame);
    void Key(std::uint32_t frame, int key, int character);
    void Add(std::uint32_t frame, platform::MessageType type, int value = 0);
    void AddAtPointer(std::uint32_t frame, platform::MessageType type);

    std::mt19937 random;
    std::map<std::uint32_t, std::vector<platform::WindowMessage>> planned;
    std::uint32_t freeFrom = 0;
    int pointerX = 512;
    int pointerY = 384;
};
