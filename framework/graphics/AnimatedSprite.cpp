#include "AnimatedSprite.h"

void AnimatedSprite::SetFullSize(int width, int height)
{
    fullWidth = width;
    fullHeight = height;
}

void AnimatedSprite::AddFrame(std::unique_ptr<Sprite> frame)
{
    if (frame)
        frames.push_back(std::move(frame));
}

Sprite* AnimatedSprite::Frame(int frame) const
{
    if (frame < 0 || frame >= static_cast<int>(frames.size()))
        return nullptr;
    return frames[static_cast<std::size_t>(frame)].get();
}

int AnimatedSprite::GetWidth(int frame) const
{
    const Sprite* sprite = Frame(frame);
    return sprite != nullptr ? sprite->GetWidth(0) : 0;
}

int AnimatedSprite::GetHeight(int frame) const
{
    const Sprite* sprite = Frame(frame);
    return sprite != nullptr ? sprite->GetHeight(0) : 0;
}

bool AnimatedSprite::IsPixelTransparent(Point point, int frame) const
{
    const Sprite* sprite = Frame(frame);
    return sprite == nullptr || sprite->IsPixelTransparent(point, 0);
}

void AnimatedSprite::Restore()
{
    for (const auto& frame : frames)
        frame->Restore();
}

void AnimatedSprite::DrawEx(const DrawInfo& drawInfo)
{
    if (Sprite* sprite = Frame(drawInfo.frame))
        sprite->DrawEx(drawInfo);
}
