#pragma once

#include "GameState.h"

#include <cstdint>
#include <vector>

// The state the configuration starts while the game has no main menu yet: it
// shows an empty picture in the night-blue of the title screen.
class GameBlank final : public GameState {
public:
    static constexpr std::uint32_t colour = 0x0B1A2E;
    static constexpr int width = 1024;
    static constexpr int height = 768;

    void Init(int level) override;
    void Exit() override;
    void Update(float seconds) override;
    void Render() override;

private:
    std::vector<std::uint32_t> canvas;
};
