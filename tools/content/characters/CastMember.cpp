#include "characters/CastMember.h"

#include "characters/PoseCycles.h"

#include "adventure/CastAnimations.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace content::characters {

namespace {

namespace names = castanimations;

// The rig's figure is 100 units tall.
constexpr double figureUnits = 100.0;

struct DrawnAnimation {
    std::string label;
    std::vector<Picture> frames;
};

struct MirroredAnimation {
    std::string label;
    std::string of;
    int frames;
};

// The direction a left-facing one mirrors, or -1 for a drawn one.
int MirrorOf(int direction)
{
    return direction > static_cast<int>(Direction::down) ? directionCount - direction : -1;
}

} // namespace

CastMember::CastMember(std::string animPrefix, const FigureLook& look, Repertoire what)
    : prefix(std::move(animPrefix)), rig(look), repertoire(what)
{
}

int CastMember::FrameWidth() const
{
    return static_cast<int>(std::ceil(rig.Look().heightPixels * 1.0 / 2)) * 2;
}

int CastMember::FrameHeight() const
{
    return static_cast<int>(std::ceil(rig.Look().heightPixels * 1.32));
}

Picture CastMember::DrawFrame(Direction direction, const Pose& pose) const
{
    Picture picture(FrameWidth(), FrameHeight());
    cairo_t* cairo = picture.Cairo();
    const double scale = rig.Look().heightPixels / figureUnits;
    cairo_translate(cairo, picture.Width() / 2.0, picture.Height() - groundMargin * scale);
    cairo_scale(cairo, scale, scale);
    rig.Draw(cairo, direction, pose);
    return picture;
}

std::vector<Picture> CastMember::Narrowed(std::vector<Picture> frames)
{
    const int width = frames.front().Width();
    const int height = frames.front().Height();
    double reach = 0.0;
    for (const Picture& frame : frames) {
        for (int y = 0; y < height; ++y) {
            const std::uint32_t* row = frame.PremultipliedRow(y);
            for (int x = 0; x < width; ++x)
                if ((row[x] >> 24) != 0)
                    reach = std::max(reach, std::abs(x + 0.5 - width / 2.0));
        }
    }
    const int half = std::min(width / 2, static_cast<int>(std::ceil(reach)) + 3);
    if (2 * half >= width)
        return frames;
    std::vector<Picture> narrowed;
    for (const Picture& frame : frames) {
        Picture cut(2 * half, height);
        cairo_surface_t* source = cairo_get_target(frame.Cairo());
        cairo_surface_flush(source);
        cairo_set_source_surface(cut.Cairo(), source, -(width / 2 - half), 0.0);
        cairo_paint(cut.Cairo());
        narrowed.push_back(std::move(cut));
    }
    return narrowed;
}

bool CastMember::Write(SpriteFolder& folder) const
{
    std::vector<DrawnAnimation> drawn;
    std::vector<MirroredAnimation> mirrored;
    using PoseOfFrame = std::function<Pose(int)>;
    const auto add = [&](std::string_view suffix, std::string_view side, int direction,
                         int frames, const PoseOfFrame& poseOf) {
        const std::string label = prefix + std::string(suffix) + std::string(side);
        const int mirror = MirrorOf(direction);
        if (mirror >= 0) {
            mirrored.push_back({label, prefix + std::string(suffix) + std::string(names::directions[mirror]), frames});
            return;
        }
        DrawnAnimation animation{label, {}};
        for (int frame = 0; frame < frames; ++frame)
            animation.frames.push_back(DrawFrame(static_cast<Direction>(direction), poseOf(frame)));
        animation.frames = Narrowed(std::move(animation.frames));
        drawn.push_back(std::move(animation));
    };
    const auto eightWays = [&](std::string_view suffix, int frames, const PoseOfFrame& poseOf) {
        for (int direction = 0; direction < directionCount; ++direction)
            add(suffix, names::directions[direction], direction, frames, poseOf);
    };
    const auto fourWays = [&](std::string_view suffix, int frames, const PoseOfFrame& poseOf) {
        for (std::size_t side = 0; side < names::sides.size(); ++side)
            add(suffix, names::sides[side], static_cast<int>(side) * 2, frames, poseOf);
    };

    eightWays(names::standing, 1, [](int) { return StandingPose(); });
    fourWays(names::talking, talkingFrames, TalkingPose);
    if (repertoire != Repertoire::standing)
        eightWays(names::walk, walkFrames, WalkPose);
    if (repertoire == Repertoire::player) {
        for (int variant = 1; variant <= idleVariantCount; ++variant) {
            const std::string suffix = std::string(names::idle) + std::to_string(variant) + "_";
            fourWays(suffix, idleFrames, [variant](int frame) { return IdlePose(variant, frame); });
        }
        const Reach reaches[] = {Reach::low, Reach::middle, Reach::high};
        for (std::size_t take = 0; take < names::takes.size(); ++take) {
            const Reach reach = reaches[take];
            fourWays(names::takes[take], takeFrames, [reach](int frame) { return TakePose(reach, frame); });
        }
    }

    PaletteQuantiser palette;
    for (const DrawnAnimation& animation : drawn)
        for (const Picture& frame : animation.frames)
            CountColours(palette, frame);
    palette.Build();

    folder.Comment(prefix + ": " + std::to_string(drawn.size() + mirrored.size()) + " animations");
    bool written = true;
    for (const DrawnAnimation& animation : drawn)
        written = folder.AddRleAnim(animation.label, animation.frames, palette) && written;
    for (const MirroredAnimation& animation : mirrored)
        folder.AddRleMirror(animation.label, animation.of, animation.frames);
    return written;
}

bool WriteCast(SpriteFolder& level, const std::vector<CastMember>& members)
{
    bool written = true;
    for (const CastMember& member : members)
        written = member.Write(level) && written;
    return written;
}

} // namespace content::characters
