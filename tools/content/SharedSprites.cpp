#include "SharedSprites.h"

#include "SharedSpriteParts.h"

namespace content {

namespace shared {

namespace {
const std::string folder = "data\\sharedadventure\\sprites\\";
} // namespace

bool SharedOutput::AddPage(const std::string& label, const Picture& picture)
{
    list.Static(label, label);
    return WriteJpeg(folder + label, picture);
}

bool SharedOutput::AddStatic(const std::string& label, const Picture& picture)
{
    list.Static(label, label);
    return WriteKeyed(folder + label, picture);
}

bool SharedOutput::AddAnim(const std::string& label, std::span<const Picture> frames)
{
    list.Anim(label, label, static_cast<int>(frames.size()));
    return WriteStrip(folder + label, frames);
}

bool SharedOutput::WriteList() const
{
    return list.Write("data\\sharedadventure\\sprites.txt");
}

} // namespace shared

bool WriteSharedSprites()
{
    shared::SharedOutput output;
    output.Comment("Shared sprites of both menus and every episode; made by zephyra-content.");
    return shared::WriteMenuPages(output) && shared::WriteAdventureBars(output) &&
           shared::WriteSmallSprites(output) && output.WriteList();
}

} // namespace content
