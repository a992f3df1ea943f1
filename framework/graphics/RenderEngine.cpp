#include "RenderEngine.h"

#include "DirectDraw.h"
#include "Sprite.h"
#include "platform/Platform.h"

#include <utility>

void RenderEngine::AddToRenderList(Sprite* sprite, const DrawInfo& drawInfo, float z)
{
    if (sprite == nullptr)
        return;
    (z < 0.0f ? background : sorted).push_back(Entry{sprite, drawInfo, z});
}

void RenderEngine::ClearRenderList()
{
    sorted.clear();
    background.clear();
}

void RenderEngine::SetSuspended(bool suspend)
{
    suspended = suspend;
    DirectDraw::GetInstance().SetPresentationSuspended(suspend);
}

void RenderEngine::SetScreenOffset(int x, int y)
{
    screenOffsetX = x;
    screenOffsetY = y;
}

bool RenderEngine::TakeClipToBandRequest()
{
    return std::exchange(clipToBandRequested, false);
}

void RenderEngine::DrawEntry(const Entry& entry)
{
    clippingToBand = entry.drawInfo.clipToBand;
    entry.sprite->DrawEx(entry.drawInfo);
    clippingToBand = false;
}

void RenderEngine::Render()
{
    if (suspended)
        return;
    // A stable exchange sort: adjacent pairs swap only when the earlier z is
    // strictly greater, so equal depths keep the order they came in.
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (std::size_t index = 1; index < sorted.size(); ++index) {
            if (sorted[index - 1].z > sorted[index].z) {
                std::swap(sorted[index - 1], sorted[index]);
                swapped = true;
            }
        }
    }

    DirectDraw& display = DirectDraw::GetInstance();
    if (platform::DisplaySurface* target = display.GetRenderTarget())
        display.ClearSurface(target);
    for (const Entry& entry : background)
        DrawEntry(entry);
    bool wiped = false;
    for (const Entry& entry : sorted) {
        if (entry.z == 1.0f && !wiped) {
            display.DrawFade();
            wiped = true;
        }
        DrawEntry(entry);
    }
    if (!wiped)
        display.DrawFade();
}
