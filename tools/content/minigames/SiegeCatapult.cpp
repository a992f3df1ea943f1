#include "minigames/SiegeCatapult.h"

#include "SceneShapes.h"
#include "minigames/Smoothstep.h"
#include "minigames/TournamentKnight.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace content::minigames {

namespace {

constexpr double pi = std::numbers::pi;
constexpr double degree = pi / 180.0;

// The arm turns about its axle on the A-frame; its angle is measured from
// straight up, clockwise (forward) positive.
constexpr double pivotX = 245.0;
constexpr double pivotY = 250.0;
const double armLength = std::hypot(catapultReleaseColumn - pivotX, pivotY - catapultReleaseRow);
const double releaseAngle = std::atan2(catapultReleaseColumn - pivotX, pivotY - catapultReleaseRow);
constexpr double restAngle = 28.0 * degree;
constexpr double tensedAngle = -50.0 * degree;
// Where along the arm the rope is tied, and where the arm breaks.
constexpr double ropeTie = 118.0;
constexpr double breakPoint = 100.0;
constexpr double bucketRadius = 25.0;
// How far below the arm's tip the bowl's middle hangs, and how far its
// opening is turned forward of the arm.
constexpr double bucketDepth = 34.0;
constexpr double bucketTilt = 12.0 * degree;
constexpr double deckY = 290.0;
constexpr double winchX = 104.0;
constexpr double winchY = 262.0;

constexpr std::uint32_t iron = 0x5E6878;
constexpr std::uint32_t ironLight = colour::steel;
constexpr std::uint32_t woodDark = 0x6A4326;
constexpr std::uint32_t rope = 0xD9C38F;
constexpr std::uint32_t leather = 0x9A4A30;

struct Point2 {
    double x, y;
};

Point2 OnArm(double angle, double distance)
{
    return {pivotX + std::sin(angle) * distance, pivotY - std::cos(angle) * distance};
}

void Bolt(cairo_t* cairo, double x, double y)
{
    Circle(cairo, x, y, 2.6);
    FillOutlined(cairo, ironLight, iron, 1.4);
}

void Wheel(cairo_t* cairo, double x, double y, double turn)
{
    constexpr double radius = catapultWheelRadius;
    // The iron tyre, the wooden rim and, between them, six spokes.
    Circle(cairo, x, y, radius - 1.5);
    FillOutlined(cairo, ironLight, iron, 3.0);
    Circle(cairo, x, y, radius - 7.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    Circle(cairo, x, y, radius - 15.0);
    FillOutlined(cairo, woodDark, woodDark, 2.5);
    for (int spoke = 0; spoke < 6; ++spoke) {
        const double angle = turn + spoke * pi / 3.0;
        cairo_move_to(cairo, x + std::cos(angle) * 8.0, y + std::sin(angle) * 8.0);
        cairo_line_to(cairo, x + std::cos(angle) * (radius - 14.0), y + std::sin(angle) * (radius - 14.0));
        StrokeBand(cairo, tone::woodLight, 6.0, 10.0);
    }
    // One rim segment is painted red, so that the turning reads.
    cairo_new_sub_path(cairo);
    cairo_arc(cairo, x, y, radius - 11.0, turn - 0.35, turn + 0.35);
    cairo_set_line_width(cairo, 5.0);
    SetColour(cairo, colour::banner);
    cairo_stroke(cairo);
    // The tyre's bolts turn with it.
    for (int bolt = 0; bolt < 6; ++bolt) {
        const double angle = turn + (bolt + 0.5) * pi / 3.0;
        Bolt(cairo, x + std::cos(angle) * (radius - 4.0), y + std::sin(angle) * (radius - 4.0));
    }
    Circle(cairo, x, y, 10.0);
    FillOutlined(cairo, ironLight, iron, 2.5);
    Circle(cairo, x, y, 4.0);
    FillOutlined(cairo, iron, colour::outline, 1.5);
}

// The banner on its pole at the back of the cart, waving.
void Banner(cairo_t* cairo, double wave)
{
    cairo_move_to(cairo, 70.0, deckY);
    cairo_line_to(cairo, 70.0, 128.0);
    StrokeBand(cairo, tone::woodLight, 5.0, 9.0);
    Circle(cairo, 70.0, 126.0, 5.0);
    FillOutlined(cairo, tone::taxiLight, tone::taxi, 2.0);
    // A swallow-tailed cloth trailing back from the pole.
    const double lift = std::sin(wave) * 5.0;
    const double lift2 = std::sin(wave + 1.5) * 6.0;
    cairo_move_to(cairo, 68.0, 136.0);
    cairo_curve_to(cairo, 50.0, 130.0 + lift, 34.0, 142.0 - lift, 14.0, 134.0 + lift2);
    cairo_line_to(cairo, 28.0, 154.0 + lift2 * 0.5);
    cairo_line_to(cairo, 16.0, 174.0 + lift2);
    cairo_curve_to(cairo, 34.0, 182.0 - lift, 50.0, 170.0 + lift, 68.0, 176.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 2.5);
    cairo_move_to(cairo, 66.0, 156.0);
    cairo_curve_to(cairo, 50.0, 150.0 + lift, 38.0, 160.0 - lift, 24.0, 154.0 + lift2 * 0.5);
    SetColour(cairo, colour::cream, 0.9);
    cairo_set_line_width(cairo, 4.0);
    cairo_stroke(cairo);
}

// The cart without wheels and arm: chassis, A-frame, stop post and winch.
void Cart(cairo_t* cairo, double crank)
{
    // The A-frame carrying the arm's axle.
    for (const double foot : {192.0, 298.0}) {
        cairo_move_to(cairo, foot, deckY + 4.0);
        cairo_line_to(cairo, pivotX, pivotY);
        StrokeBand(cairo, tone::woodLight, 12.0, 17.0);
    }
    cairo_move_to(cairo, 212.0, 272.0);
    cairo_line_to(cairo, 278.0, 272.0);
    StrokeBand(cairo, tone::wood, 7.0, 11.0);
    // The padded post the arm rests against.
    const Point2 rest = OnArm(restAngle, 78.0);
    cairo_move_to(cairo, 322.0, deckY + 4.0);
    cairo_line_to(cairo, rest.x + 14.0, rest.y + 4.0);
    StrokeBand(cairo, tone::woodLight, 11.0, 16.0);
    Ellipse(cairo, rest.x + 12.0, rest.y + 2.0, 8.0, 9.0);
    FillOutlined(cairo, tone::bannerLight, leather, 2.5);
    // The chassis: a heavy beam with iron corners and bolts.
    RoundedRectangle(cairo, 58.0, deckY, 274.0, 32.0, 6.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 3.0);
    cairo_move_to(cairo, 62.0, deckY + 16.0);
    cairo_line_to(cairo, 328.0, deckY + 16.0);
    SetColour(cairo, tone::wood, 0.8);
    cairo_set_line_width(cairo, 2.0);
    cairo_stroke(cairo);
    for (const double corner : {58.0, 310.0}) {
        RoundedRectangle(cairo, corner, deckY, 22.0, 32.0, 5.0);
        FillOutlined(cairo, ironLight, iron, 2.5);
        Bolt(cairo, corner + 11.0, deckY + 9.0);
        Bolt(cairo, corner + 11.0, deckY + 23.0);
    }
    for (const double bolt : {140.0, 200.0, 260.0})
        Bolt(cairo, bolt, deckY + 8.0);
    // The winch at the back, its crank turning as it winds.
    cairo_move_to(cairo, winchX - 10.0, deckY + 2.0);
    cairo_line_to(cairo, winchX, winchY);
    cairo_line_to(cairo, winchX + 10.0, deckY + 2.0);
    StrokeBand(cairo, tone::wood, 6.0, 10.0);
    Circle(cairo, winchX, winchY, 15.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    Circle(cairo, winchX, winchY, 9.0);
    FillPlain(cairo, rope);
    const double handX = winchX + std::cos(crank) * 20.0;
    const double handY = winchY + std::sin(crank) * 20.0;
    cairo_move_to(cairo, winchX, winchY);
    cairo_line_to(cairo, handX, handY);
    StrokeBand(cairo, ironLight, 4.0, 8.0);
    Circle(cairo, handX, handY, 4.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 1.8);
    Circle(cairo, winchX, winchY, 4.0);
    FillOutlined(cairo, ironLight, iron, 1.8);
}

// The rope from the winch to the arm: taut while tensioning, or slack.
void Rope(cairo_t* cairo, Point2 tie, double slack)
{
    cairo_move_to(cairo, winchX, winchY - 9.0);
    const double sag = slack * 40.0;
    cairo_curve_to(cairo, winchX + (tie.x - winchX) * 0.35, winchY - 9.0 + (tie.y - winchY) * 0.35 + sag,
                   winchX + (tie.x - winchX) * 0.7, winchY + (tie.y - winchY) * 0.7 + sag, tie.x, tie.y);
    StrokeBand(cairo, rope, 3.0, 6.0);
}

// The bucket at the end of an arm that runs up the y axis to (0,
// -length): a wooden bowl hung in front of the arm's top, its lip at the
// arm's tip, with the knight sitting in it when `knight` is set.
void Bucket(cairo_t* cairo, double length, bool knight, KnightFace face)
{
    PushPlacement(cairo, 11.0, -length + bucketDepth, 1.0, bucketTilt);
    if (knight) {
        KnightPose pose = SittingPose();
        pose.y = 5.0;
        pose.face = face;
        DrawKnight(cairo, pose);
    }
    // A wooden bowl, iron-rimmed, opening upward.
    cairo_move_to(cairo, -bucketRadius, -4.0);
    cairo_arc_negative(cairo, 0.0, -4.0, bucketRadius, pi, 0.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::woodLight, tone::wood, 3.0);
    cairo_move_to(cairo, -bucketRadius, -4.0);
    cairo_line_to(cairo, bucketRadius, -4.0);
    StrokeBand(cairo, ironLight, 4.0, 8.0);
    cairo_arc(cairo, 0.0, -4.0, bucketRadius - 6.0, 0.25 * pi, 0.75 * pi);
    SetColour(cairo, woodDark);
    cairo_set_line_width(cairo, 2.0);
    cairo_stroke(cairo);
    PopPlacement(cairo);
}

// The arm from its short tail behind the axle out to `length`, bowed
// forward by `bend` pixels in its middle.
void ArmBeam(cairo_t* cairo, double angle, double length, double bend)
{
    PushPlacement(cairo, pivotX, pivotY, 1.0, angle);
    cairo_move_to(cairo, 0.0, 22.0);
    cairo_curve_to(cairo, bend, -length * 0.3, bend, -length * 0.7, 0.0, -length);
    StrokeBand(cairo, tone::woodLight, 15.0, 20.0);
    // A darker side for its round, and two iron bands.
    cairo_move_to(cairo, -4.0, 18.0);
    cairo_curve_to(cairo, bend - 4.0, -length * 0.3, bend - 4.0, -length * 0.7, -4.0, -length + 4.0);
    SetColour(cairo, tone::wood, 0.7);
    cairo_set_line_width(cairo, 5.0);
    cairo_stroke(cairo);
    for (const double band : {0.3, 0.72}) {
        const double bow = bend * 0.75;
        if (band * armLength > length)
            continue;
        RoundedRectangle(cairo, bow - 11.0, -band * armLength - 4.0, 22.0, 8.0, 2.0);
        FillOutlined(cairo, ironLight, iron, 2.0);
    }
    PopPlacement(cairo);
    Circle(cairo, pivotX, pivotY, 9.0);
    FillOutlined(cairo, ironLight, iron, 2.5);
    Bolt(cairo, pivotX, pivotY);
}

// Short white strokes beside the arm where it strains, `amount` 0 to 1.
void Strain(cairo_t* cairo, double angle, double amount, double bend)
{
    if (amount <= 0.0)
        return;
    PushPlacement(cairo, pivotX, pivotY, 1.0, angle);
    for (int mark = 0; mark < 3; ++mark) {
        const double y = -armLength * (0.35 + mark * 0.12);
        for (const double side : {-1.0, 1.0}) {
            const double x = bend * 0.9 + side * (16.0 + mark * 3.0);
            cairo_move_to(cairo, x, y - 4.0);
            cairo_line_to(cairo, x + side * 8.0 * amount, y - 8.0);
        }
    }
    SetColour(cairo, tone::white, amount);
    cairo_set_line_width(cairo, 2.5);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cairo);
    PopPlacement(cairo);
}

// The whole arm at `angle`: beam, bucket and, if `knight`, him in it.
void Arm(cairo_t* cairo, double angle, double bend, bool knight, KnightFace face)
{
    ArmBeam(cairo, angle, armLength, bend);
    PushPlacement(cairo, pivotX, pivotY, 1.0, angle);
    Bucket(cairo, armLength, knight, face);
    PopPlacement(cairo);
}

// Splinters flying from the break at (x, y).
void Splinters(cairo_t* cairo, double x, double y)
{
    constexpr double shards[][3] = {{-30.0, -26.0, 0.4}, {24.0, -30.0, -0.6}, {34.0, 6.0, 1.2},
                                    {-22.0, 18.0, 2.0}, {6.0, -40.0, 0.1},   {-40.0, -4.0, 1.6}};
    for (const auto& shard : shards) {
        PushPlacement(cairo, x + shard[0], y + shard[1], 1.0, shard[2]);
        cairo_move_to(cairo, -7.0, -2.0);
        cairo_line_to(cairo, 8.0, 0.0);
        cairo_line_to(cairo, -6.0, 3.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, tone::woodLight, tone::wood, 1.8);
        PopPlacement(cairo);
    }
}

// The arm snapped at its break point after too much tension: the stump
// still on the axle, the outer part with the bucket hanging from a few
// fibres, the rope torn.
void BrokenArm(cairo_t* cairo)
{
    const Point2 joint = OnArm(tensedAngle, breakPoint);
    // The torn rope: one end from the winch, one from the stump.
    cairo_move_to(cairo, winchX, winchY - 9.0);
    cairo_curve_to(cairo, winchX + 20.0, winchY - 30.0, winchX + 34.0, winchY - 10.0, winchX + 44.0, winchY - 26.0);
    StrokeBand(cairo, rope, 3.0, 6.0);
    // The hanging part, turned down and back.
    constexpr double hangAngle = -150.0 * degree;
    const double hangLength = armLength - breakPoint;
    PushPlacement(cairo, joint.x, joint.y, 1.0, hangAngle);
    cairo_move_to(cairo, 0.0, 0.0);
    cairo_line_to(cairo, 0.0, -hangLength);
    StrokeBand(cairo, tone::woodLight, 15.0, 20.0);
    Bucket(cairo, hangLength, true, KnightFace::dizzy);
    PopPlacement(cairo);
    // The stump with its jagged end.
    PushPlacement(cairo, pivotX, pivotY, 1.0, tensedAngle);
    cairo_move_to(cairo, -8.0, 22.0);
    cairo_line_to(cairo, -8.0, -breakPoint + 4.0);
    cairo_line_to(cairo, -4.0, -breakPoint - 6.0);
    cairo_line_to(cairo, -1.0, -breakPoint + 2.0);
    cairo_line_to(cairo, 3.0, -breakPoint - 9.0);
    cairo_line_to(cairo, 8.0, -breakPoint + 3.0);
    cairo_line_to(cairo, 8.0, 22.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::woodLight, tone::wood, 3.0);
    cairo_move_to(cairo, 0.0, -breakPoint + 20.0);
    cairo_line_to(cairo, -2.0, -breakPoint + 8.0);
    StrokeOutline(cairo, 1.5);
    PopPlacement(cairo);
    Circle(cairo, pivotX, pivotY, 9.0);
    FillOutlined(cairo, ironLight, iron, 2.5);
    Splinters(cairo, joint.x, joint.y);
}

// The angle of the arm in tensioning frame `frame` (0 at rest, the last
// but one fully tensioned) and how far it bows then.
double PullAngle(int frame)
{
    return restAngle + (tensedAngle - restAngle) * Smoothstep(frame / (catapultPullFrames - 2.0));
}
double PullBend(int frame)
{
    return -14.0 * Smoothstep((frame / (catapultPullFrames - 2.0) - 0.6) / 0.4);
}

Picture CartFrame()
{
    return Picture(catapultFrameWidth, catapultFrameHeight);
}

} // namespace

Picture DrawCatapultWheels(int frame, bool farSide)
{
    Picture picture = CartFrame();
    cairo_t* cairo = picture.Cairo();
    const double turn = frame * 2.0 * pi / catapultWheelFrames;
    for (const double column : {catapultBackWheelColumn, catapultFrontWheelColumn})
        Wheel(cairo, column, catapultWheelRow, turn);
    if (farSide) {
        // In the cart's shadow: darker where there is wheel.
        cairo_set_operator(cairo, CAIRO_OPERATOR_ATOP);
        SetColour(cairo, tone::shadowDeep, 0.35);
        cairo_paint(cairo);
    }
    return picture;
}

Picture DrawCatapultPull(int frame)
{
    Picture picture = CartFrame();
    cairo_t* cairo = picture.Cairo();
    const double progress = frame / (catapultPullFrames - 2.0);
    Banner(cairo, frame * 0.5);
    Cart(cairo, -progress * 6.0 * pi);
    if (frame == catapultPullFrames - 1) {
        BrokenArm(cairo);
        return picture;
    }
    const double angle = PullAngle(frame);
    Rope(cairo, OnArm(angle, ropeTie), frame == 0 ? 0.25 : 0.0);
    Arm(cairo, angle, PullBend(frame), true, progress > 0.7 ? KnightFace::scared : KnightFace::cheeky);
    Strain(cairo, angle, Smoothstep((progress - 0.75) / 0.25), PullBend(frame));
    return picture;
}

Picture DrawCatapultLaunch(int frame)
{
    Picture picture = CartFrame();
    cairo_t* cairo = picture.Cairo();
    Banner(cairo, 14.0 + frame * 0.6);
    Cart(cairo, 0.0);
    double angle = 0.0;
    double bend = 0.0;
    if (frame < catapultReleaseFrame) {
        // Faster and faster up from the full tension, unbending.
        const double part = static_cast<double>(frame) / catapultReleaseFrame;
        angle = tensedAngle + (releaseAngle - tensedAngle) * part * part;
        bend = PullBend(catapultPullFrames - 2) * std::max(0.0, 1.0 - frame / 3.0);
    } else {
        // Out past the rest, back against the post and settling.
        struct Swing {
            int frame;
            double degrees;
        };
        constexpr Swing swings[] = {{catapultReleaseFrame, 0.0}, {12, 52.0}, {15, 16.0},
                                    {18, 34.0},                  {21, 25.0}, {catapultLaunchFrames - 1, 28.0}};
        angle = restAngle;
        for (int key = 1; key < 6; ++key)
            if (frame <= swings[key].frame) {
                const double from = key == 1 ? releaseAngle / degree : swings[key - 1].degrees;
                const double part = static_cast<double>(frame - swings[key - 1].frame) /
                                    (swings[key].frame - swings[key - 1].frame);
                angle = (from + (swings[key].degrees - from) * (key == 1 ? part : Smoothstep(part))) * degree;
                break;
            }
        bend = frame <= 14 ? 6.0 * std::sin((frame - 10) * pi / 4.0) : 0.0;
    }
    Rope(cairo, OnArm(angle, ropeTie), frame < catapultReleaseFrame ? 0.3 : 0.9);
    Arm(cairo, angle, bend, frame < catapultReleaseFrame, KnightFace::scared);
    return picture;
}

} // namespace content::minigames
