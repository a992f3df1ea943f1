#pragma once

// A pilot for the taxi shooter that plays with the keys a player has: it
// flies to the height of the nearest robot ahead and fires the cannon when
// the robot is in line, and sets off the flash when robots come up behind.
// Each frame it presses and releases keys on the headless window; what it
// did is kept as the events of a recording line (" keydown 38 keyup 32").

#include "RuvIdLevelTaxishooter.h"
#include "platform/VirtualKey.h"
#include "platform/headless/HeadlessWindow.h"

#include <cmath>
#include <map>
#include <string>

class TaxiPilot {
public:
    explicit TaxiPilot(platform::HeadlessWindow& keys) : window(keys) {}

    // The keys for the coming frame, pressed before its update; returns
    // them as recording events.
    std::string Steer(const RuvIdLevelTaxishooter& level)
    {
        events.clear();
        const Ship& taxi = level.GetTaxi();
        const Ship* ahead = nullptr;
        bool behind = false;
        for (const Ship& fighter : level.GetFighters()) {
            if (!fighter.IsActive() || fighter.IsDestroyed())
                continue;
            const float dx = fighter.GetX() - taxi.GetX();
            const float dy = fighter.GetY() - taxi.GetY();
            if (dx > 60.0f && dx < 900.0f && (ahead == nullptr || dx < ahead->GetX() - taxi.GetX()))
                ahead = &fighter;
            if (dx < -20.0f && dx > -230.0f && dy > -150.0f && dy < 40.0f)
                behind = true;
        }
        // Up and down to the robot ahead (the cannon sits above the body),
        // and back to the left third, where there is room ahead.
        const float target = ahead != nullptr ? ahead->GetY() - 25.0f : 410.0f;
        Set(VirtualKey::Up, taxi.GetY() > target + 8.0f);
        Set(VirtualKey::Down, taxi.GetY() < target - 8.0f);
        Set(VirtualKey::Left, taxi.GetX() > 330.0f);
        Set(VirtualKey::Right, taxi.GetX() < 250.0f);
        const bool inLine = ahead != nullptr && std::abs(target - taxi.GetY()) < 30.0f;
        // A fire key goes down for one frame and up for the next.
        Set(VirtualKey::Space, inLine && !held[VirtualKey::Space]);
        Set(flashKey, behind && !held[flashKey]);
        return events;
    }

private:
    static constexpr int flashKey = VirtualKey::LetterA + ('B' - 'A');

    void Set(int key, bool down)
    {
        bool& isDown = held[key];
        if (isDown == down)
            return;
        isDown = down;
        window.Inject({down ? platform::MessageType::KeyDown : platform::MessageType::KeyUp, key});
        platform::WindowMessage message;
        while (window.PeekMessage(message)) {
        }
        events += (down ? " keydown " : " keyup ") + std::to_string(key);
    }

    platform::HeadlessWindow& window;
    std::map<int, bool> held;
    std::string events;
};
