#pragma once

// The render list of one frame. Game code submits sprite draws with a depth
// z; Render draws them into the canvas: first those with a negative z in the
// order submitted, then the others by z ascending (equal z in the order
// submitted). The display's screen wipe is drawn just below the first draw
// at z 1.0, the layer of what stays above a transition (cursor, interface),
// or after everything when there is none.
//
// It also keeps the draw state that sprite submissions share: the screen
// offset of a screen shake, added to every draw, and the request to clip the
// next draw to the band of rows 128 to 639. Main thread only.

#include "DrawInfo.h"
#include "app/Singleton.h"

#include <vector>

class Sprite;

class RenderEngine : public Singleton<RenderEngine> {
public:
    void AddToRenderList(Sprite* sprite, const DrawInfo& drawInfo, float z);
    void ClearRenderList();
    void Render();
    // While suspended nothing is drawn or presented (the loading screen).
    void SetSuspended(bool suspend);
    bool IsSuspended() const { return suspended; }

    void SetScreenOffset(int x, int y);
    int GetScreenOffsetX() const { return screenOffsetX; }
    int GetScreenOffsetY() const { return screenOffsetY; }
    // Asks for the next submitted draw to be clipped to the band.
    void RequestClipToBand() { clipToBandRequested = true; }
    // The request, handed to the submission that takes it and cleared.
    bool TakeClipToBandRequest();
    // While a draw runs: whether it keeps to the band.
    bool IsClippingToBand() const { return clippingToBand; }

private:
    struct Entry {
        Sprite* sprite;
        DrawInfo drawInfo;
        float z;
    };

    void DrawEntry(const Entry& entry);

    std::vector<Entry> sorted;
    std::vector<Entry> background;
    bool suspended = false;
    int screenOffsetX = 0;
    int screenOffsetY = 0;
    bool clipToBandRequested = false;
    bool clippingToBand = false;
};
