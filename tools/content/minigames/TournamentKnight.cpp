#include "minigames/TournamentKnight.h"

#include "SceneShapes.h"
#include "minigames/Smoothstep.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <span>

namespace content::minigames {

namespace {

constexpr double pi = std::numbers::pi;

// His proportions, from the hip up and down.
constexpr double torsoLength = 32.0;
constexpr double shoulderDrop = 4.0;
constexpr double headRise = 13.0;
constexpr double headRadius = 14.0;
constexpr double upperArm = 17.0;
constexpr double foreArm = 15.0;
constexpr double thigh = 18.0;
constexpr double shin = 17.0;
// He turns about the middle of his body, this far above the hip.
constexpr double middleRise = 16.0;
// From the hip down to the ground under his soles when he stands.
constexpr double standingHipHeight = thigh + shin + 4.0;

constexpr std::uint32_t tin = 0xB4BFCC;
constexpr std::uint32_t tinLight = tone::steelLight;
constexpr std::uint32_t tinDark = 0x7D8A9C;
constexpr std::uint32_t skin = 0xF2C49A;
constexpr std::uint32_t skinShade = 0xD89A6E;
constexpr std::uint32_t ginger = 0xC8642A;
constexpr std::uint32_t dust = 0xD9C9A0;

struct Point2 {
    double x, y;
};

Point2 Along(Point2 from, double angle, double length)
{
    return {from.x + std::sin(angle) * length, from.y + std::cos(angle) * length};
}

// A limb of two parts from `root`: a tin band with a round joint between,
// and the hand or foot at its end.
Point2 Limb(cairo_t* cairo, Point2 root, double upper, double upperLength, double lower, double lowerLength,
            double width, std::uint32_t light, std::uint32_t shade)
{
    const Point2 joint = Along(root, upper, upperLength);
    const Point2 end = Along(joint, upper + lower, lowerLength);
    cairo_move_to(cairo, root.x, root.y);
    cairo_line_to(cairo, joint.x, joint.y);
    cairo_line_to(cairo, end.x, end.y);
    StrokeBand(cairo, light, width, width + 5.0);
    Circle(cairo, joint.x, joint.y, width * 0.55);
    FillOutlined(cairo, light, shade, 2.0);
    return end;
}

void Leg(cairo_t* cairo, double hip, double knee, std::uint32_t light, std::uint32_t shade)
{
    const Point2 ankle = Limb(cairo, {0.0, 0.0}, hip, thigh, knee, shin, 10.0, light, shade);
    // The sabaton points forward, square to the shin.
    const double angle = hip + knee;
    cairo_move_to(cairo, ankle.x - std::cos(angle) * 2.0, ankle.y + std::sin(angle) * 2.0);
    cairo_line_to(cairo, ankle.x + std::cos(angle) * 9.0, ankle.y - std::sin(angle) * 9.0);
    StrokeBand(cairo, shade, 8.0, 13.0);
}

Point2 Arm(cairo_t* cairo, double shoulder, double elbow, std::uint32_t light, std::uint32_t shade)
{
    const Point2 hand =
        Limb(cairo, {0.0, -torsoLength + shoulderDrop}, shoulder, upperArm, elbow, foreArm, 8.0, light, shade);
    Circle(cairo, hand.x, hand.y, 5.5);
    FillOutlined(cairo, light, shade, 2.2);
    return hand;
}

// The heater shield with the castle's falcon, centred on (x, y).
void Shield(cairo_t* cairo, double x, double y, double angle)
{
    PushPlacement(cairo, x, y, 1.0, angle);
    cairo_move_to(cairo, -12.0, -14.0);
    cairo_line_to(cairo, 12.0, -14.0);
    cairo_curve_to(cairo, 12.0, 2.0, 8.0, 10.0, 0.0, 16.0);
    cairo_curve_to(cairo, -8.0, 10.0, -12.0, 2.0, -12.0, -14.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 2.5);
    // The falcon: spread wings and a head, in cream.
    cairo_move_to(cairo, 0.0, -7.0);
    cairo_curve_to(cairo, -4.0, -9.0, -8.0, -8.0, -9.0, -3.0);
    cairo_curve_to(cairo, -6.0, -4.0, -3.0, -2.0, -2.0, 1.0);
    cairo_line_to(cairo, -3.0, 8.0);
    cairo_line_to(cairo, 0.0, 6.0);
    cairo_line_to(cairo, 3.0, 8.0);
    cairo_line_to(cairo, 2.0, 1.0);
    cairo_curve_to(cairo, 3.0, -2.0, 6.0, -4.0, 9.0, -3.0);
    cairo_curve_to(cairo, 8.0, -8.0, 4.0, -9.0, 0.0, -7.0);
    cairo_close_path(cairo);
    FillPlain(cairo, colour::cream);
    Circle(cairo, 0.0, -9.0, 2.2);
    FillPlain(cairo, colour::cream);
    PopPlacement(cairo);
}

void Torso(cairo_t* cairo)
{
    cairo_move_to(cairo, -11.0, 0.0);
    cairo_curve_to(cairo, -13.0, -10.0, -13.0, -22.0, -11.0, -28.0);
    cairo_curve_to(cairo, -8.0, -33.0, 6.0, -34.0, 10.0, -29.0);
    cairo_curve_to(cairo, 16.0, -22.0, 16.0, -8.0, 11.0, 0.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tinLight, tin, 3.0);
    // A shine and two dents from earlier throws.
    Ellipse(cairo, 5.0, -20.0, 3.0, 7.0);
    FillPlain(cairo, tone::white, 0.6);
    for (const Point2 dent : {Point2{-4.0, -14.0}, Point2{7.0, -7.0}}) {
        cairo_arc(cairo, dent.x, dent.y, 3.0, 0.2 * pi, 0.9 * pi);
        SetColour(cairo, tinDark);
        cairo_set_line_width(cairo, 1.6);
        cairo_stroke(cairo);
    }
    // The belt and the tasset below it.
    cairo_move_to(cairo, -12.0, -4.0);
    cairo_line_to(cairo, 12.0, -4.0);
    cairo_line_to(cairo, 14.0, 7.0);
    cairo_line_to(cairo, -14.0, 7.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tin, tinDark, 2.5);
    RoundedRectangle(cairo, -12.5, -6.0, 25.0, 5.0, 2.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.0);
}

void Eye(cairo_t* cairo, double x, double y, KnightFace face)
{
    SetColour(cairo, colour::outline);
    cairo_set_line_width(cairo, 1.6);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    switch (face) {
    case KnightFace::cheeky:
        Ellipse(cairo, x, y, 1.5, 2.2);
        cairo_fill(cairo);
        break;
    case KnightFace::scared:
        Circle(cairo, x, y, 3.0);
        FillOutlined(cairo, tone::white, tone::white, 1.4);
        Circle(cairo, x + 0.6, y, 1.1);
        FillPlain(cairo, colour::outline);
        break;
    case KnightFace::dizzy:
        cairo_move_to(cairo, x - 2.0, y - 2.0);
        cairo_line_to(cairo, x + 2.0, y + 2.0);
        cairo_move_to(cairo, x + 2.0, y - 2.0);
        cairo_line_to(cairo, x - 2.0, y + 2.0);
        cairo_stroke(cairo);
        break;
    case KnightFace::proud:
        cairo_arc(cairo, x, y + 1.0, 2.2, pi * 1.1, pi * 1.9);
        cairo_stroke(cairo);
        break;
    }
}

void Mouth(cairo_t* cairo, KnightFace face)
{
    SetColour(cairo, colour::outline);
    cairo_set_line_width(cairo, 1.6);
    switch (face) {
    case KnightFace::cheeky:
        cairo_arc(cairo, 10.0, -40.0, 3.5, 0.15 * pi, 0.85 * pi);
        cairo_stroke(cairo);
        break;
    case KnightFace::scared:
        Ellipse(cairo, 10.0, -37.5, 2.2, 3.0);
        FillOutlined(cairo, tone::hibiscusLight, colour::banner, 1.4);
        break;
    case KnightFace::dizzy:
        cairo_move_to(cairo, 6.0, -38.0);
        cairo_curve_to(cairo, 8.0, -40.0, 10.0, -36.0, 13.0, -38.5);
        cairo_stroke(cairo);
        break;
    case KnightFace::proud:
        cairo_move_to(cairo, 5.5, -40.0);
        cairo_curve_to(cairo, 7.0, -34.0, 13.0, -34.0, 14.5, -40.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, tone::hibiscusLight, colour::banner, 1.4);
        break;
    }
}

void Head(cairo_t* cairo, const KnightPose& pose)
{
    const double headY = -torsoLength - headRise;
    // The plume trails back from the crest and sways: down behind him, or
    // up over his head.
    const double sway = pose.plume;
    cairo_move_to(cairo, 3.0, headY - 12.0);
    cairo_curve_to(cairo, -2.0, headY - 30.0, -16.0, headY - 32.0, -25.0 + sway * 10.0, headY - 22.0 - sway * 10.0);
    cairo_curve_to(cairo, -17.0, headY - 21.0, -9.0, headY - 17.0, -6.0, headY - 11.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 2.5);
    // The pot helm.
    Circle(cairo, 2.0, headY, headRadius);
    FillOutlined(cairo, tinLight, tin, 3.0);
    // The open visor shows his face.
    cairo_save(cairo);
    Circle(cairo, 2.0, headY, headRadius - 1.5);
    cairo_clip(cairo);
    RoundedRectangle(cairo, 3.0, headY - 8.0, 20.0, 17.0, 4.0);
    FillOutlined(cairo, skin, skinShade, 2.0);
    cairo_restore(cairo);
    Eye(cairo, 8.0, headY - 3.0, pose.face);
    Eye(cairo, 13.5, headY - 3.0, pose.face);
    // A big nose and a ginger moustache under it.
    Ellipse(cairo, 17.5, headY + 1.5, 3.6, 3.0);
    FillOutlined(cairo, skin, skinShade, 1.8);
    Ellipse(cairo, 12.0, headY + 5.2, 4.5, 1.8);
    FillOutlined(cairo, ginger, ginger, 1.4);
    Mouth(cairo, pose.face);
    // The raised visor plate over the forehead and a dent in the dome.
    cairo_move_to(cairo, -1.0, headY - 12.0);
    cairo_curve_to(cairo, 6.0, headY - 17.0, 14.0, headY - 15.0, 17.0, headY - 8.0);
    StrokeBand(cairo, tin, 4.0, 8.0);
    cairo_arc(cairo, -6.0, headY - 3.0, 3.0, -0.3 * pi, 0.4 * pi);
    SetColour(cairo, tinDark);
    cairo_set_line_width(cairo, 1.6);
    cairo_stroke(cairo);
}

// A five-pointed star centred on (x, y).
void Star(cairo_t* cairo, double x, double y, double radius, double alpha)
{
    for (int point = 0; point < 10; ++point) {
        const double angle = point * pi / 5.0 - pi / 2.0;
        const double reach = point % 2 == 0 ? radius : radius * 0.45;
        cairo_line_to(cairo, x + std::cos(angle) * reach, y + std::sin(angle) * reach);
    }
    cairo_close_path(cairo);
    cairo_push_group(cairo);
    FillOutlined(cairo, tone::taxiLight, tone::taxi, 1.6);
    cairo_pop_group_to_source(cairo);
    cairo_paint_with_alpha(cairo, alpha);
}

// The dust kicked up where he lands: soft sandy clouds along the ground,
// `spread` (0 to 1) how far they have grown, fading as they grow.
void DustPuff(cairo_t* cairo, double x, double spread, double alpha)
{
    const double ground = knightGroundRow;
    constexpr double offsets[] = {-34.0, -18.0, 0.0, 18.0, 34.0};
    for (int puff = 0; puff < 5; ++puff) {
        const double radius = 6.0 + spread * (9.0 + (puff % 2) * 4.0);
        Circle(cairo, x + offsets[puff] * (0.6 + spread), ground - radius - 2.0 - spread * 6.0, radius);
    }
    cairo_push_group(cairo);
    FillUnion(cairo, colour::cream, dust, 2.0);
    cairo_pop_group_to_source(cairo);
    cairo_paint_with_alpha(cairo, alpha);
}

// Places the pose so that the middle of his body is at (x, y).
KnightPose Centred(KnightPose pose, double x, double y)
{
    pose.x = x;
    pose.y = y + middleRise;
    return pose;
}

struct Key {
    int frame;
    KnightPose pose;
};

// The pose of `frame` between the keys around it.
KnightPose Keyed(std::span<const Key> keys, int frame)
{
    for (std::size_t key = 1; key < keys.size(); ++key)
        if (frame <= keys[key].frame) {
            const Key& from = keys[key - 1];
            const double part = static_cast<double>(frame - from.frame) / (keys[key].frame - from.frame);
            return Between(from.pose, keys[key].pose, Smoothstep(part));
        }
    return keys.back().pose;
}

Picture Frame(const KnightPose& pose)
{
    Picture picture(knightFrameWidth, knightFrameHeight);
    DrawKnight(picture.Cairo(), pose);
    return picture;
}

// The lowest row of the picture that the pose covers.
int LowestRow(const KnightPose& pose)
{
    const Picture picture = Frame(pose);
    for (int y = picture.Height() - 1; y >= 0; --y)
        for (int x = 0; x < picture.Width(); ++x)
            if ((picture.Pixel(x, y) >> 24) >= 16)
                return y;
    return 0;
}

// The pose moved up or down so that its lowest point rests on the ground;
// with `liftOnly` only moved up, out of the ground (a bounce stays in the
// air).
KnightPose OnGround(KnightPose pose, bool liftOnly)
{
    const int sink = LowestRow(pose) - knightGroundRow;
    if (sink > 0 || !liftOnly)
        pose.y -= sink;
    return pose;
}

// Flat on his back, head to the left, seeing stars: the end of the
// landing and the start of getting up.
KnightPose Lying()
{
    KnightPose pose;
    pose.turn = -pi / 2.0;
    // Arms limp along his sides, clear of his face.
    pose.nearShoulder = 0.5;
    pose.nearElbow = 0.9;
    pose.farShoulder = 0.15;
    pose.farElbow = 0.3;
    pose.nearHip = 0.25;
    pose.nearKnee = -0.2;
    pose.farHip = 0.1;
    pose.farKnee = -0.1;
    pose.face = KnightFace::dizzy;
    pose.stars = 1.0;
    // The plume lies up over his head, not under him.
    pose.plume = 1.5;
    return Centred(pose, 76.0, knightGroundRow - 12.0);
}

} // namespace

KnightPose Between(const KnightPose& from, const KnightPose& to, double part)
{
    const auto mix = [part](double a, double b) { return a + (b - a) * part; };
    KnightPose pose = part < 0.5 ? from : to;
    pose.x = mix(from.x, to.x);
    pose.y = mix(from.y, to.y);
    pose.turn = mix(from.turn, to.turn);
    pose.lean = mix(from.lean, to.lean);
    pose.nearShoulder = mix(from.nearShoulder, to.nearShoulder);
    pose.nearElbow = mix(from.nearElbow, to.nearElbow);
    pose.farShoulder = mix(from.farShoulder, to.farShoulder);
    pose.farElbow = mix(from.farElbow, to.farElbow);
    pose.nearHip = mix(from.nearHip, to.nearHip);
    pose.nearKnee = mix(from.nearKnee, to.nearKnee);
    pose.farHip = mix(from.farHip, to.farHip);
    pose.farKnee = mix(from.farKnee, to.farKnee);
    pose.plume = mix(from.plume, to.plume);
    pose.stars = mix(from.stars, to.stars);
    return pose;
}

KnightPose SittingPose()
{
    KnightPose pose;
    pose.x = 0.0;
    pose.y = 0.0;
    pose.lean = 0.3;
    pose.nearShoulder = 0.9;
    pose.nearElbow = 0.5;
    pose.farShoulder = 0.7;
    pose.farElbow = 0.6;
    pose.nearHip = 1.45;
    pose.nearKnee = -1.3;
    pose.farHip = 1.35;
    pose.farKnee = -1.2;
    pose.plume = -1.0;
    return pose;
}

void DrawKnight(cairo_t* cairo, const KnightPose& pose)
{
    cairo_save(cairo);
    cairo_translate(cairo, pose.x, pose.y - middleRise);
    cairo_rotate(cairo, pose.turn);
    cairo_translate(cairo, 0.0, middleRise);

    // The far side, a shade darker, with the shield in the far hand.
    cairo_save(cairo);
    cairo_rotate(cairo, pose.lean);
    const Point2 farHand = Arm(cairo, pose.farShoulder, pose.farElbow, tin, tinDark);
    Shield(cairo, farHand.x, farHand.y, pose.farShoulder * 0.3);
    cairo_restore(cairo);
    Leg(cairo, pose.farHip, pose.farKnee, tin, tinDark);

    cairo_save(cairo);
    cairo_rotate(cairo, pose.lean);
    Torso(cairo);
    cairo_restore(cairo);
    Leg(cairo, pose.nearHip, pose.nearKnee, tinLight, tin);

    cairo_save(cairo);
    cairo_rotate(cairo, pose.lean);
    Head(cairo, pose);
    Arm(cairo, pose.nearShoulder, pose.nearElbow, tinLight, tin);
    // Where the stars circle: over his head as it lies on the picture.
    double starX = 2.0;
    double starY = -torsoLength - headRise;
    cairo_user_to_device(cairo, &starX, &starY);
    cairo_restore(cairo);
    cairo_restore(cairo);

    if (pose.stars > 0.0) {
        cairo_device_to_user(cairo, &starX, &starY);
        starY -= headRadius + 10.0;
        for (int star = 0; star < 3; ++star) {
            const double angle = (pose.starTurn + star / 3.0) * 2.0 * pi;
            Star(cairo, starX + std::cos(angle) * 17.0, starY + std::sin(angle) * 5.0, 5.5, pose.stars);
        }
    }
}

Picture DrawKnightFlying(int frame)
{
    // Head over heels nearly twice, from sitting up as he left the bucket
    // to falling back first towards the ground.
    KnightPose pose;
    const double t = frame;
    pose.turn = (30.0 + t * 27.0) * pi / 180.0;
    pose.nearShoulder = 2.0 + 1.1 * std::sin(t * 0.9);
    pose.nearElbow = 0.4 + 0.4 * std::sin(t * 1.3);
    pose.farShoulder = 1.0 + 1.2 * std::sin(t * 0.9 + 2.2);
    pose.farElbow = 0.5 + 0.3 * std::sin(t * 1.1);
    pose.nearHip = 0.7 + 0.6 * std::sin(t * 0.8 + 1.0);
    pose.nearKnee = -0.5 - 0.4 * std::sin(t * 1.2);
    pose.farHip = 0.3 + 0.6 * std::sin(t * 0.8 + 3.0);
    pose.farKnee = -0.6 - 0.4 * std::sin(t * 1.2 + 1.5);
    pose.plume = std::sin(t * 1.1);
    pose.face = KnightFace::scared;
    return Frame(Centred(pose, knightFrameWidth / 2.0, knightFrameHeight / 2.0));
}

Picture DrawKnightLanding(int frame)
{
    const KnightPose lying = Lying();
    KnightPose impact = lying;
    impact.turn = -70.0 * pi / 180.0;
    impact.face = KnightFace::scared;
    impact.stars = 0.0;
    impact.nearShoulder = 2.6;
    impact.farShoulder = 2.2;
    impact.nearHip = 0.9;
    impact.farHip = 0.6;
    impact = Centred(impact, 76.0, knightGroundRow - 20.0);
    KnightPose squashed = lying;
    squashed.face = KnightFace::scared;
    squashed.stars = 0.0;
    squashed.nearShoulder = 2.4;
    squashed.nearHip = 0.8;
    squashed.farHip = 0.5;
    KnightPose bounced = squashed;
    bounced.y -= 20.0;
    bounced.turn += 0.12;
    bounced.nearHip = 1.2;
    bounced.nearKnee = -0.8;
    bounced.nearShoulder = 2.9;
    KnightPose skid = lying;
    skid.stars = 0.0;
    const Key keys[] = {{0, impact}, {2, squashed}, {5, bounced}, {8, squashed}, {10, skid}, {13, lying}};
    KnightPose pose = Keyed(keys, frame);
    pose.stars = std::clamp((frame - 9) / 3.0, 0.0, 1.0);
    pose.starTurn = frame / 6.0;
    pose = OnGround(pose, frame > 2 && frame < 8);

    Picture picture(knightFrameWidth, knightFrameHeight);
    cairo_t* cairo = picture.Cairo();
    // The puff of the landing grows and fades around him; then a little
    // dust trails behind him as he skids.
    if (frame >= 1 && frame <= 9)
        DustPuff(cairo, 78.0, (frame - 1) / 8.0, 1.0 - (frame - 1) / 10.0);
    if (frame >= 8 && frame <= 12)
        DustPuff(cairo, 50.0, 0.1 + (frame - 8) / 20.0, 0.8 - (frame - 8) / 6.0);
    DrawKnight(cairo, pose);
    return picture;
}

Picture DrawKnightStandingUp(int frame)
{
    const KnightPose lying = Lying();
    KnightPose sitting;
    sitting.nearHip = 1.5;
    sitting.nearKnee = -0.3;
    sitting.farHip = 1.4;
    sitting.farKnee = -0.5;
    sitting.nearShoulder = -0.5;
    sitting.nearElbow = 0.2;
    sitting.farShoulder = -0.4;
    sitting.farElbow = 0.2;
    sitting.lean = -0.1;
    sitting.face = KnightFace::dizzy;
    sitting.stars = 0.8;
    sitting.x = 72.0;
    sitting.y = knightGroundRow - 8.0;
    KnightPose crouch = sitting;
    crouch.y = knightGroundRow - 26.0;
    crouch.x = 78.0;
    crouch.lean = 0.45;
    crouch.nearHip = 1.3;
    crouch.nearKnee = -2.0;
    crouch.farHip = 0.5;
    crouch.farKnee = -1.6;
    crouch.nearShoulder = 0.6;
    crouch.farShoulder = 0.4;
    crouch.stars = 0.6;
    KnightPose wobble;
    wobble.y = knightGroundRow - standingHipHeight;
    wobble.turn = 0.12;
    wobble.nearShoulder = 1.2;
    wobble.farShoulder = -1.0;
    wobble.face = KnightFace::dizzy;
    wobble.stars = 0.3;
    KnightPose wobbleBack = wobble;
    wobbleBack.turn = -0.1;
    wobbleBack.nearShoulder = -0.9;
    wobbleBack.farShoulder = 1.1;
    wobbleBack.stars = 0.0;
    wobbleBack.face = KnightFace::cheeky;
    KnightPose triumph;
    triumph.y = knightGroundRow - standingHipHeight;
    // The fist raised high, up past the back of his helmet, so that his
    // grin shows.
    triumph.nearShoulder = pi + 0.45;
    triumph.nearElbow = -0.3;
    triumph.farShoulder = -0.4;
    triumph.farElbow = 1.7;
    triumph.nearHip = 0.2;
    triumph.farHip = -0.2;
    triumph.lean = -0.05;
    triumph.plume = 0.5;
    triumph.face = KnightFace::proud;
    const Key keys[] = {{0, lying},      {5, sitting},  {10, crouch},  {13, wobble},
                        {15, wobbleBack}, {18, triumph}, {19, triumph}};
    KnightPose pose = Keyed(keys, frame);
    // The stars go on round from where the landing left them.
    pose.starTurn = (frame + knightHitFrames - 1) / 6.0;
    return Frame(OnGround(pose, false));
}

} // namespace content::minigames
