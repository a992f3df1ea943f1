#include "minigames/AlienBlobs.h"

#include "SceneShapes.h"
#include "minigames/Dice.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace content::minigames {

namespace {

constexpr double pi = std::numbers::pi;
constexpr std::uint32_t pupil = 0x2A1F4A;
constexpr std::uint32_t mouthInside = 0x4A2350;
constexpr std::uint32_t gooLight = 0xD4F77E;
constexpr std::uint32_t goo = 0x9BE03A;
constexpr std::uint32_t gooDark = 0x5FA826;

struct Kind {
    double halfWidth;
    double bodyHeight;
    // The stalks' feet across the body's top, their eyes' height above it.
    int stalks;
    double stalkSpread;
    double stalkHeight;
    double eyeRadius;
    std::uint32_t light, middle, dark;
    bool spots;
};

// Sized so that the big one, stretched in its hop with its middle stalk
// reaching highest, still fits between the cover line and the frame's top,
// and slim enough that aliens at neighbouring places in the front row
// hardly reach over each other's cover.
constexpr Kind kinds[alienKinds] = {
    {30.0, 70.0, 2, 12.0, 18.0, 9.0, 0xD4F77E, 0x9BE03A, 0x4F9A22, false},
    {36.0, 77.0, 2, 14.0, 21.0, 10.0, 0xF8F99A, 0xD8E04A, 0x96A22A, true},
    {40.0, 80.0, 3, 16.0, 22.0, 10.5, 0x9AF2D2, 0x3FB8A8, 0x6A58B8, false},
};

// The pose of one frame: how far below its resting place on the cover line
// the alien is (in pixels; above it when negative), how its body is
// stretched, how long its stalks are and how open its eyes.
struct Pose {
    double sink;
    double stretch;
    double stalks;
    double eyes;
    // How far the eyes lean sideways (pixels at scale 1), where the pupils
    // look (a fraction of the eye's radius, right when positive) and how
    // big the eyes are.
    double sway = 0.0;
    double look = 0.12;
    double eyeSize = 1.0;
    // Pressed flat against a pane of glass in front of it.
    bool pressed = false;
    // Sulking: a pout in place of the grin.
    bool sulking = false;
};

Pose PoseOf(const Kind& kind, int frame)
{
    const double height = kind.bodyHeight + kind.stalkHeight + kind.eyeRadius;
    constexpr int hop = 12;
    if (frame < hop) {
        // Climbing behind the cover, from just under its line, fast at
        // first and slowing towards the top, stretched on the way.
        const double u = (frame - alienHiddenFrames) / static_cast<double>(hop - alienHiddenFrames);
        const double eased = 1.0 - (1.0 - u) * (1.0 - u);
        return {height * (1.0 - eased), 1.0 + 0.12 * std::sin(pi * u), 0.7 + 0.25 * u, 0.0};
    }
    // The hop up onto the cover, the squash of landing on it, a little
    // spring back and the eyes popping open.
    constexpr Pose settle[] = {
        {-4.0, 1.06, 1.0, 0.25}, {0.0, 0.86, 1.1, 0.85}, {0.0, 1.04, 0.98, 1.15}, {0.0, 1.0, 1.0, 1.0}};
    return settle[std::min(frame - hop, 3)];
}

// The body's outline: a round top over a flat, slightly spreading foot.
void BodyPath(cairo_t* cairo, double x, double bottom, double halfWidth, double height)
{
    const double shoulder = bottom - height * 0.5;
    cairo_move_to(cairo, x - halfWidth, shoulder);
    cairo_curve_to(cairo, x - halfWidth, bottom - height * 1.13, x + halfWidth, bottom - height * 1.13, x + halfWidth,
                   shoulder);
    cairo_curve_to(cairo, x + halfWidth, bottom - height * 0.2, x + halfWidth * 1.08, bottom, x + halfWidth * 0.8,
                   bottom);
    // A drip of slime along the foot.
    cairo_curve_to(cairo, x + halfWidth * 0.5, bottom, x + halfWidth * 0.4, bottom - 3.0, x + halfWidth * 0.2,
                   bottom - 2.0);
    cairo_curve_to(cairo, x - halfWidth * 0.1, bottom, x - halfWidth * 0.4, bottom, x - halfWidth * 0.8, bottom);
    cairo_curve_to(cairo, x - halfWidth * 1.08, bottom, x - halfWidth, bottom - height * 0.2, x - halfWidth, shoulder);
    cairo_close_path(cairo);
}

// An eye on its stalk: the stalk from (footX, footY) up to the eye at
// (x, y), the eye open by `open` (0 shut under its lid; over 1 popping).
void EyeStalk(cairo_t* cairo, const Kind& kind, const Pose& pose, double footX, double footY, double x, double y)
{
    const double open = pose.eyes;
    cairo_move_to(cairo, footX, footY);
    cairo_curve_to(cairo, footX, (footY + y) / 2.0, x, (footY + y) / 2.0 + 6.0, x, y);
    StrokeBand(cairo, kind.middle, kind.eyeRadius * 0.45, kind.eyeRadius * 0.45 + 5.0);
    const double radius = kind.eyeRadius * pose.eyeSize * (0.85 + 0.15 * std::min(open, 1.2));
    Circle(cairo, x, y, radius);
    if (open <= 0.05) {
        // Shut: the lid over the whole ball, a curved lash line across.
        FillOutlined(cairo, kind.light, kind.middle, 2.5);
        cairo_arc(cairo, x, y - radius * 0.2, radius * 0.7, 0.2 * pi, 0.8 * pi);
        StrokeOutline(cairo, 2.0);
        return;
    }
    FillOutlined(cairo, 0xFFFFF4, 0xE4E8D8, 2.5);
    const double pupilRadius = radius * 0.45 * std::min(open, 1.0);
    Circle(cairo, x + radius * pose.look, y + radius * 0.1, pupilRadius);
    FillPlain(cairo, pupil);
    Circle(cairo, x - radius * 0.05, y - radius * 0.1, pupilRadius * 0.35);
    FillPlain(cairo, tone::white, 0.9);
    if (open < 1.0) {
        // The lid still half down.
        cairo_save(cairo);
        Circle(cairo, x, y, radius);
        cairo_clip(cairo);
        cairo_rectangle(cairo, x - radius, y - radius, 2.0 * radius, 2.0 * radius * (1.0 - open));
        FillPlain(cairo, kind.light);
        cairo_restore(cairo);
        cairo_move_to(cairo, x - radius, y - radius + 2.0 * radius * (1.0 - open));
        cairo_line_to(cairo, x + radius, y - radius + 2.0 * radius * (1.0 - open));
        StrokeOutline(cairo, 1.8);
        Circle(cairo, x, y, radius);
        StrokeOutline(cairo, 2.5);
    }
}

// The alien with the middle of its foot's outline at (x, bottom).
void DrawAlien(cairo_t* cairo, const Kind& kind, int kindNumber, const Pose& pose, double x, double bottom)
{
    const double halfWidth = kind.halfWidth / std::sqrt(pose.stretch);
    const double height = kind.bodyHeight * pose.stretch;
    const double top = bottom - height;

    // Stalks behind the body's top edge.
    for (int stalk = 0; stalk < kind.stalks; ++stalk) {
        const double side = kind.stalks == 2 ? (stalk == 0 ? -1.0 : 1.0) : stalk - 1.0;
        const double footX = x + side * kind.stalkSpread;
        const double reach = kind.stalkHeight * pose.stalks * (side == 0.0 ? 1.2 : 1.0);
        const double eyeX = x + side * (kind.stalkSpread * 1.45) + pose.sway * (1.0 + 0.3 * side);
        EyeStalk(cairo, kind, pose, footX, top + 14.0, eyeX, top - reach);
    }

    BodyPath(cairo, x, bottom, halfWidth, height);
    SetGradient(cairo, cairo_pattern_create_linear(0.0, top, 0.0, bottom),
                {{0.0, kind.light}, {0.45, kind.middle}, {1.0, kind.dark}});
    cairo_fill_preserve(cairo);
    cairo_save(cairo);
    cairo_clip(cairo);
    // Soft two-tone shading: the shaded lower right, the lit upper left.
    Ellipse(cairo, x + halfWidth * 0.45, bottom - height * 0.15, halfWidth * 0.9, height * 0.45);
    FillPlain(cairo, kind.dark, 0.35);
    if (kind.spots) {
        constexpr double spots[][3] = {
            {-0.55, 0.55, 0.16}, {0.5, 0.62, 0.12}, {0.1, 0.32, 0.09}, {-0.2, 0.8, 0.1}, {0.62, 0.3, 0.08}};
        for (const auto& spot : spots) {
            Ellipse(cairo, x + spot[0] * halfWidth, bottom - spot[1] * height, spot[2] * halfWidth * 1.2,
                    spot[2] * height * 0.8);
            FillPlain(cairo, kind.dark, 0.55);
        }
    }
    cairo_restore(cairo);
    BodyPath(cairo, x, bottom, halfWidth, height);
    StrokeOutline(cairo, 3.0);
    Ellipse(cairo, x - halfWidth * 0.42, top + height * 0.28, halfWidth * 0.26, height * 0.12);
    FillPlain(cairo, tone::white, 0.55);
    Circle(cairo, x - halfWidth * 0.2, top + height * 0.18, 3.5);
    FillPlain(cairo, tone::white, 0.8);

    if (pose.pressed) {
        // Where its front touches the glass the slime spreads flat and pale,
        // with a brighter rim round the flattened patch.
        Ellipse(cairo, x, bottom - height * 0.45, halfWidth * 0.72, height * 0.36);
        FillPlain(cairo, kind.light, 0.6);
        Ellipse(cairo, x, bottom - height * 0.45, halfWidth * 0.72, height * 0.36);
        SetColour(cairo, tone::white, 0.55);
        cairo_set_line_width(cairo, OutlineWidth(cairo, 2.0, 1.0));
        cairo_stroke(cairo);
        Shine(cairo, x - halfWidth * 0.45, bottom - height * 0.6, x - halfWidth * 0.25, bottom - height * 0.72, 3.0,
              0.7);
    }

    // The grin, wider on the bigger kinds, with a tooth or two; or, sulking,
    // a small downturned pout.
    const double mouthY = bottom - height * 0.42;
    const double mouth = halfWidth * (0.3 + 0.08 * kindNumber);
    if (pose.sulking) {
        cairo_move_to(cairo, x - mouth * 0.6, mouthY + mouth * 0.35);
        cairo_curve_to(cairo, x - mouth * 0.3, mouthY - mouth * 0.1, x + mouth * 0.3, mouthY - mouth * 0.1,
                       x + mouth * 0.6, mouthY + mouth * 0.35);
        StrokeBand(cairo, mouthInside, 3.0, 5.0);
        return;
    }
    cairo_move_to(cairo, x - mouth, mouthY);
    cairo_curve_to(cairo, x - mouth * 0.6, mouthY + mouth * 0.9, x + mouth * 0.6, mouthY + mouth * 0.9, x + mouth,
                   mouthY);
    cairo_curve_to(cairo, x + mouth * 0.4, mouthY + mouth * 0.25, x - mouth * 0.4, mouthY + mouth * 0.25, x - mouth,
                   mouthY);
    cairo_close_path(cairo);
    FillOutlined(cairo, mouthInside, mouthInside, 2.2);
    for (int tooth = 0; tooth < (kindNumber == 1 ? 1 : 2); ++tooth) {
        const double tx = x + (kindNumber == 1 ? 0.25 : (tooth == 0 ? -0.35 : 0.35)) * mouth;
        cairo_rectangle(cairo, tx - 3.0, mouthY + mouth * 0.16, 6.0, 5.0);
        FillOutlined(cairo, 0xFFFFF4, 0xE4E8D8, 1.2);
    }
}

// A drop of goo at (x, y) flying along (dx, dy): a ball with a tail.
void Drop(cairo_t* cairo, double x, double y, double dx, double dy, double radius)
{
    const double speed = std::max(std::hypot(dx, dy), 1e-6);
    const double tail = std::min(speed * 0.08, radius * 2.5);
    cairo_save(cairo);
    cairo_translate(cairo, x, y);
    cairo_rotate(cairo, std::atan2(dy, dx));
    cairo_move_to(cairo, -radius - tail, 0.0);
    cairo_curve_to(cairo, -radius, -radius, 0.0, -radius, 0.0, -radius);
    cairo_arc(cairo, 0.0, 0.0, radius, -pi / 2.0, pi / 2.0);
    cairo_curve_to(cairo, 0.0, radius, -radius, radius, -radius - tail, 0.0);
    cairo_close_path(cairo);
    cairo_restore(cairo);
    FillOutlined(cairo, gooLight, gooDark, 2.0);
}

} // namespace

Picture DrawAlienFrame(int kind, int frame)
{
    Picture picture(alienFrameWidth, alienFrameHeight);
    if (frame < alienHiddenFrames)
        return picture;
    const Kind& shape = kinds[kind - 1];
    const Pose pose = PoseOf(shape, frame);
    // At rest the outline's outer edge lies on the cover line.
    DrawAlien(picture.Cairo(), shape, kind, pose, alienFrameWidth / 2.0, alienCoverLine - 1.5 + pose.sink);
    return picture;
}

void DrawBlob(cairo_t* cairo, int kind, double x, double y, double scale, double phase, BlobPose pose)
{
    const Kind& shape = kinds[std::clamp(kind, 1, alienKinds) - 1];
    const double turn = 2.0 * pi * (phase - std::floor(phase));
    Pose drawn{0.0, 1.0, 1.0, 1.0};
    switch (pose) {
    case BlobPose::wobbling:
        // Stretching and squashing once a cycle, the eyes swaying behind.
        drawn.stretch = 1.0 + 0.08 * std::sin(turn);
        drawn.stalks = 1.0 - 0.1 * std::sin(turn);
        drawn.sway = 5.0 * std::sin(turn + pi / 3.0);
        drawn.look = 0.2 * std::sin(turn + pi / 2.0);
        break;
    case BlobPose::pressed:
        // Squashed a little wider against the pane, rubbing to and fro, the
        // eyes big and staring straight at the viewer.
        drawn.stretch = 0.9 + 0.04 * std::sin(turn);
        drawn.sway = 3.0 * std::sin(turn);
        drawn.look = 0.0;
        drawn.eyeSize = 1.25;
        drawn.pressed = true;
        x += 2.0 * scale * std::sin(turn);
        break;
    case BlobPose::hiding:
        // Ducked low with its stalks pulled in and its eyes shut, trembling.
        drawn.stretch = 0.72;
        drawn.stalks = 0.35;
        drawn.eyes = 0.0;
        drawn.sulking = true;
        x += 1.5 * scale * std::sin(3.0 * turn);
        break;
    }
    PushPlacement(cairo, x, y, scale);
    DrawAlien(cairo, shape, std::clamp(kind, 1, alienKinds), drawn, 0.0, -1.5);
    PopPlacement(cairo);
}

Picture DrawAlienSplat(int frame)
{
    Picture picture(splatWidth, splatHeight);
    cairo_t* cairo = picture.Cairo();
    const double t = frame / static_cast<double>(splatFrames - 1);
    // About the middle of a middle-sized alien's body sitting on its cover:
    // 110 pixels above its bottom, which is 38 above the splat's.
    constexpr double cx = splatWidth / 2.0;
    constexpr double cy = splatHeight - 38.0 - 110.0;
    cairo_push_group(cairo);
    if (frame < 4)
        Glow(cairo, cx, cy, 40.0 + 18.0 * frame, gooLight, 0.8 - 0.18 * frame);

    // The burst: a lumpy star of goo growing fast, then thinning to a
    // ring of spatters.
    const double burst = 20.0 + 30.0 * std::sqrt(std::min(t * 2.2, 1.0));
    Dice lumps(3);
    constexpr int points = 11;
    double spikes[points];
    for (double& spike : spikes)
        spike = lumps.Between(0.75, 1.35);
    cairo_move_to(cairo, cx + burst * spikes[0], cy);
    for (int point = 0; point < points; ++point) {
        const double a0 = 2.0 * pi * point / points;
        const double a1 = 2.0 * pi * (point + 1) / points;
        const double r1 = burst * spikes[(point + 1) % points];
        const double inner = burst * 0.55;
        const double mid = (a0 + a1) / 2.0;
        cairo_curve_to(cairo, cx + std::cos(mid - 0.1) * inner, cy + std::sin(mid - 0.1) * inner * 0.85,
                       cx + std::cos(mid + 0.1) * inner, cy + std::sin(mid + 0.1) * inner * 0.85,
                       cx + std::cos(a1) * r1, cy + std::sin(a1) * r1 * 0.85);
    }
    cairo_close_path(cairo);
    if (t > 0.45) {
        // The middle tears open: what is left is a ring of goo.
        const double hole = burst * std::min((t - 0.45) * 2.0, 0.85);
        cairo_new_sub_path(cairo);
        cairo_arc_negative(cairo, cx, cy, hole, 2.0 * pi, 0.0);
        cairo_set_fill_rule(cairo, CAIRO_FILL_RULE_EVEN_ODD);
    }
    SetRadialGradient(cairo, cx - 10.0, cy - 12.0, burst * 1.2, gooLight, goo);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    cairo_set_fill_rule(cairo, CAIRO_FILL_RULE_WINDING);

    // Drops thrown out from the burst's rim, falling as they fly.
    Dice dice(17);
    const double time = t * 1.1;
    for (int drop = 0; drop < 14; ++drop) {
        const double angle = dice.Between(-pi * 1.05, pi * 0.05);
        const double dx = std::cos(angle);
        const double dy = std::sin(angle) * 0.85;
        const double speed = dice.Between(35.0, 55.0);
        const double start = 26.0 + 8.0 * dice.Next();
        const double gravity = 120.0;
        // Fast at first, then slowing: cartoon physics.
        const double travel = start + speed * 1.1 * (1.0 - (1.0 - t) * (1.0 - t));
        const double x = cx + dx * travel;
        const double y = cy + dy * travel + gravity * time * time / 2.0;
        const double radius = dice.Between(4.0, 8.0) * (1.0 - 0.35 * t);
        Drop(cairo, x, y, dx * speed, dy * speed + gravity * time, radius);
    }
    // Two eyeballs tumbling away.
    for (const double side : {-1.0, 1.0}) {
        const double x = cx + side * 70.0 * time;
        const double y = cy - 60.0 * time + 80.0 * time * time;
        Circle(cairo, x, y, 9.0);
        FillOutlined(cairo, 0xFFFFF4, 0xE4E8D8, 2.2);
        const double spin = side * t * 9.0;
        Circle(cairo, x + std::cos(spin) * 4.0, y + std::sin(spin) * 4.0, 3.6);
        FillPlain(cairo, pupil);
    }
    cairo_pop_group_to_source(cairo);
    // Fading out over the last frames, gone in the last.
    constexpr int fadeFrom = 9;
    const double alpha =
        frame < fadeFrom ? 1.0 : (splatFrames - 1 - frame) / static_cast<double>(splatFrames - 1 - fadeFrom);
    cairo_paint_with_alpha(cairo, alpha);
    return picture;
}

} // namespace content::minigames
