#pragma once

#include "GameState.h"

#include <cstdint>

// The state the configuration starts while the game has no main menu yet: it
// shows an empty canvas in the night-blue of the title screen and plays the
// title music when the content has it.
class GameBlank final : public GameState {
public:
    static constexpr std::uint32_t colour = 0x0B1A2E;

    void Init(int level) override;
    void Exit() override;
    void Update(float seconds) override;
    void Render() override;
};
