#include "characters/PuppetRig.h"

#include "SceneShapes.h"
#include "characters/HeadParts.h"
#include "SpriteArt.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

namespace content::characters {

namespace {

constexpr double pi = std::numbers::pi;
// How far a point one unit nearer to the viewer is drawn lower: the rooms
// are seen a little from above.
constexpr double viewTilt = 0.22;
constexpr double outlineUnits = rigOutline;
constexpr double ankleHeight = 2.6;
constexpr std::uint32_t white = 0xFFFFFF;
constexpr std::uint32_t mouthInside = 0x7A1E2A;
constexpr std::uint32_t soot = 0x2E2A30;
constexpr std::uint32_t brass = 0xF2C24E;
constexpr std::uint32_t brassShade = 0xB07A1E;

// A point of the body: u across (towards the figure's side 1), y down,
// w forwards.
struct BodyPoint {
    double u = 0.0;
    double y = 0.0;
    double w = 0.0;
};

// A point on the screen, with its depth towards the viewer.
struct ScreenPoint {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// The direction's turn: facing the viewer is 0, facing right a quarter
// turn.
class View {
public:
    explicit View(double yaw) : cosine(std::cos(yaw)), sine(std::sin(yaw)) {}
    ScreenPoint Project(const BodyPoint& point) const
    {
        const double x = point.u * cosine + point.w * sine;
        const double z = -point.u * sine + point.w * cosine;
        return {x, point.y + z * viewTilt, z};
    }
    double Cos() const { return cosine; }
    double Sin() const { return sine; }

private:
    double cosine;
    double sine;
};

double YawOf(Direction direction)
{
    return (4 - static_cast<int>(direction)) * pi / 4;
}

// The parts of one frame, drawn from the furthest.
class PartList {
public:
    void Add(double order, std::function<void()> draw) { parts.push_back({order, std::move(draw)}); }
    void DrawAll()
    {
        std::stable_sort(parts.begin(), parts.end(), [](const Part& a, const Part& b) { return a.order < b.order; });
        for (const Part& part : parts)
            part.draw();
    }

private:
    struct Part {
        double order;
        std::function<void()> draw;
    };
    std::vector<Part> parts;
};

void Band(cairo_t* cairo, std::uint32_t rgb, double width)
{
    StrokeBand(cairo, rgb, width, width + 2 * outlineUnits);
}

void Outlined(cairo_t* cairo, std::uint32_t light, std::uint32_t shade, double width = outlineUnits)
{
    FillOutlined(cairo, light, shade, width);
}

// A flower of five petals about (x, y).
void Flower(cairo_t* cairo, double x, double y, double size, std::uint32_t light, std::uint32_t shade)
{
    for (int petal = 0; petal < 5; ++petal) {
        const double angle = petal * 2 * pi / 5 - pi / 2;
        cairo_new_sub_path(cairo);
        Circle(cairo, x + std::cos(angle) * size * 0.55, y + std::sin(angle) * size * 0.55, size * 0.5);
    }
    FillUnion(cairo, light, shade, outlineUnits * 0.7);
    Circle(cairo, x, y, size * 0.28);
    FillPlain(cairo, colour::orangeLight);
}

// Everything worked out for one frame.
class Frame {
public:
    Frame(cairo_t* context, const FigureLook& figure, Direction direction, const Pose& posed)
        : cairo(context), look(figure), pose(posed), view(YawOf(direction)),
          headYaw(YawOf(direction) - posed.headTurn)
    {
        const double lift = pose.crouch - pose.rise;
        hipY = -look.hipHeight + lift;
        headY = -98.5 + look.headRadius + lift;
        shoulderY = headY + look.headRadius * 1.25;
    }

    void DrawPerson()
    {
        Shadow(16.0);
        for (int side = 0; side < 2; ++side)
            Leg(side);
        parts.Add(0.0, [this] { Torso(); });
        if (look.cape)
            Cape();
        if (look.highCollar)
            Collar();
        for (int side = 0; side < 2; ++side)
            Arm(side);
        if (look.garland)
            parts.Add(1.0, [this] { Garland(); });
        if (look.camera)
            Camera();
        parts.Add(3.0, [this] { Head(); });
        parts.DrawAll();
    }

    void DrawDrone()
    {
        Shadow(12.0);
        const double radius = 20.0;
        const BodyPoint centre{0.0, -60.0 - pose.rise, 0.0};
        const ScreenPoint body = view.Project(centre);
        for (const double side : {-1.0, 1.0}) {
            const ScreenPoint fin = view.Project({side * radius * 1.02, centre.y + 2.0, -2.0});
            const double finWidth = 2.5 + 2.5 * std::abs(view.Cos());
            parts.Add(fin.z, [this, fin, finWidth, side] {
                Ellipse(cairo, fin.x, fin.y + pose.glow * side, finWidth, 8.5);
                Outlined(cairo, colour::orangeLight, colour::orange);
            });
        }
        parts.Add(0.0, [this, body, radius, centre] {
            // Antenna, a little behind the top.
            const ScreenPoint tip = view.Project({3.5, centre.y - radius - 10.0, -3.0});
            cairo_move_to(cairo, body.x, body.y - radius * 0.9);
            cairo_line_to(cairo, tip.x, tip.y);
            Band(cairo, tone::steelLight, 2.2);
            Circle(cairo, tip.x, tip.y, 2.8);
            Outlined(cairo, colour::orangeLight, colour::orange);
            Glow(cairo, body.x, body.y, radius * 1.7, colour::tealLight, 0.18 + 0.15 * pose.glow);
            Circle(cairo, body.x, body.y, radius);
            Outlined(cairo, white, colour::steel, outlineUnits * 1.2);
            Ellipse(cairo, body.x - radius * 0.35, body.y - radius * 0.55, radius * 0.3, radius * 0.17);
            FillPlain(cairo, white, 0.8);
            // A seam round the middle.
            cairo_save(cairo);
            cairo_translate(cairo, body.x, body.y + radius * 0.05);
            cairo_scale(cairo, 1.0, 0.3);
            cairo_arc(cairo, 0.0, 0.0, radius, 0.15 * pi, 0.85 * pi);
            cairo_restore(cairo);
            SetColour(cairo, colour::steel);
            cairo_set_line_width(cairo, 0.7);
            cairo_stroke(cairo);
            // The eye on the front.
            const double facing = view.Cos();
            if (facing > -0.3) {
                const double squash = 0.25 + 0.75 * std::max(0.0, facing) + 0.2 * (1.0 - std::abs(view.Sin()));
                const double eyeX = body.x + view.Sin() * radius * 0.62;
                const double eyeY = body.y + 2.0;
                const double open = 1.0 - 0.85 * pose.blink;
                Ellipse(cairo, eyeX, eyeY, radius * 0.5 * std::min(1.0, squash), radius * 0.5 * open);
                Outlined(cairo, colour::night, colour::nightDeep, outlineUnits * 1.1);
                const double iris = radius * (0.3 + 0.06 * pose.glow);
                Ellipse(cairo, eyeX, eyeY, iris * std::min(1.0, squash), iris * open);
                Outlined(cairo, colour::tealLight, colour::turquoise, outlineUnits * 0.8);
                Ellipse(cairo, eyeX, eyeY, iris * 0.4 * std::min(1.0, squash), iris * 0.4 * open);
                FillPlain(cairo, colour::nightDeep);
                if (pose.glow > 0.05)
                    Glow(cairo, eyeX, eyeY, radius * 0.9, colour::tealLight, 0.45 * pose.glow);
                Circle(cairo, eyeX - radius * 0.12, eyeY - radius * 0.14 * open, radius * 0.08);
                FillPlain(cairo, white, 0.9);
            }
        });
        parts.DrawAll();
    }

private:
    // Above the hips, the body leans forwards about them.
    BodyPoint Leaned(const BodyPoint& point) const
    {
        const double above = point.y - hipY;
        if (above >= 0.0)
            return point;
        return {point.u, hipY + above * std::cos(pose.lean), point.w - above * std::sin(pose.lean)};
    }
    ScreenPoint Place(const BodyPoint& point) const { return view.Project(Leaned(point)); }
    static double Side(int side) { return side == 0 ? -1.0 : 1.0; }

    void Shadow(double radius)
    {
        Ellipse(cairo, 0.0, 0.0, radius, radius * 0.28);
        FillPlain(cairo, colour::outline, 0.25);
    }

    void Leg(int side)
    {
        const LegPose& leg = pose.legs[side];
        const double across = Side(side) * look.hipHalf;
        const double length = (look.hipHeight - ankleHeight) / 2;
        const BodyPoint hip{across, hipY, 0.0};
        const BodyPoint ankle{across, -ankleHeight - leg.lift, leg.forward};
        // The knee where thigh and shin meet, bending forwards.
        const double dy = ankle.y - hip.y;
        const double dw = ankle.w - hip.w;
        const double reach = std::hypot(dy, dw);
        BodyPoint knee{across, hip.y + dy / 2, hip.w + dw / 2};
        if (reach < 2 * length && reach > 0.0) {
            const double out = std::sqrt(length * length - reach * reach / 4);
            knee.y += -dw / reach * out;
            knee.w += dy / reach * out;
        }
        const ScreenPoint hipOnScreen = view.Project(hip);
        const ScreenPoint kneeOnScreen = view.Project(knee);
        const ScreenPoint ankleOnScreen = view.Project(ankle);
        const ScreenPoint heel = view.Project({across, ankle.y + 0.3, ankle.w - 1.2});
        const ScreenPoint toe = view.Project({across, ankle.y + 0.3, ankle.w + 4.2});
        const double order = -10.0 + (hipOnScreen.z + ankleOnScreen.z) * 0.1;
        const bool bare = look.legs == look.skin;
        // The leg on the far side in its shade, which sets the two apart.
        const std::uint32_t colour = hipOnScreen.z < -1.0 ? look.legsShade : look.legs;
        parts.Add(order, [=, this] {
            cairo_move_to(cairo, hipOnScreen.x, hipOnScreen.y);
            cairo_line_to(cairo, kneeOnScreen.x, kneeOnScreen.y);
            cairo_line_to(cairo, ankleOnScreen.x, ankleOnScreen.y);
            Band(cairo, colour, look.limbWidth * (bare ? 0.85 : 1.2));
            cairo_move_to(cairo, heel.x, heel.y);
            cairo_line_to(cairo, toe.x, toe.y);
            Band(cairo, look.shoes, 4.4);
            // The shoe's light top.
            cairo_move_to(cairo, heel.x + (toe.x - heel.x) * 0.15, heel.y - 1.1 + (toe.y - heel.y) * 0.15);
            cairo_line_to(cairo, heel.x + (toe.x - heel.x) * 0.75, heel.y - 1.1 + (toe.y - heel.y) * 0.75);
            StrokeBand(cairo, look.shoesLight, 1.0, 1.0, 0.7);
        });
    }

    void Arm(int side)
    {
        const ArmPose& arm = pose.arms[side];
        const double across = Side(side);
        const double length = (-look.hipHeight * 0.78 - shoulderY + pose.crouch - pose.rise) / 2;
        const double upper = std::max(length, 12.0);
        const BodyPoint shoulder = Leaned({across * look.shoulderHalf, shoulderY + 1.5, 0.0});
        const double swing = arm.swing + pose.lean;
        const auto along = [&](const BodyPoint& from, double angle, double spread) {
            return BodyPoint{from.u + across * std::sin(spread) * upper,
                             from.y + std::cos(angle) * std::cos(spread) * upper,
                             from.w + std::sin(angle) * std::cos(spread) * upper};
        };
        const BodyPoint elbow = along(shoulder, swing, arm.spread);
        const BodyPoint hand = along(elbow, swing + arm.bend, arm.spread - arm.inwards);
        const ScreenPoint s = view.Project(shoulder);
        const ScreenPoint e = view.Project(elbow);
        const ScreenPoint h = view.Project(hand);
        const double depth = (s.z + e.z + h.z) / 3;
        const double order = depth < -1.5 ? -5.0 + depth * 0.01 : 5.0 + depth * 0.1;
        // The arm behind the body in its shade.
        const bool far = depth < -1.5;
        // Under a vest or a tabard the shirt's sleeves show.
        const bool over = look.garment == FigureLook::Garment::vest || look.garment == FigureLook::Garment::tabard;
        const std::uint32_t cloth = over ? look.shirt : look.top;
        const std::uint32_t clothShade = over ? look.shirtShade : look.topShade;
        const std::uint32_t sleeve = look.skinArms ? (far ? look.skinShade : look.skin) : (far ? clothShade : cloth);
        parts.Add(order, [=, this] {
            cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
            if (look.rolledSleeves) {
                // The bare forearm, the sleeve to the elbow and its roll.
                cairo_move_to(cairo, e.x, e.y);
                cairo_line_to(cairo, h.x, h.y);
                Band(cairo, far ? look.skinShade : look.skin, look.limbWidth * 0.85);
                if (look.sooty)
                    Soot(e, h, look.limbWidth * 0.85);
                cairo_move_to(cairo, s.x, s.y);
                cairo_line_to(cairo, e.x, e.y);
                Band(cairo, sleeve, look.limbWidth);
                cairo_move_to(cairo, s.x + (e.x - s.x) * 0.88, s.y + (e.y - s.y) * 0.88);
                cairo_line_to(cairo, e.x + (h.x - e.x) * 0.08, e.y + (h.y - e.y) * 0.08);
                StrokeBand(cairo, far ? clothShade : cloth, look.limbWidth * 1.15,
                           look.limbWidth * 1.15 + 2 * outlineUnits);
                Circle(cairo, h.x, h.y, look.limbWidth * 0.62);
                Outlined(cairo, look.skin, look.skinShade);
                if (look.sooty) {
                    Circle(cairo, h.x, h.y, look.limbWidth * 0.62 - outlineUnits * 0.5);
                    FillPlain(cairo, soot, 0.45);
                }
                return;
            }
            cairo_move_to(cairo, s.x, s.y);
            cairo_line_to(cairo, e.x, e.y);
            cairo_line_to(cairo, h.x, h.y);
            Band(cairo, sleeve, look.limbWidth * (look.skinArms ? 0.85 : 1.0));
            if (look.skinArms) {
                // A puffed short sleeve.
                Circle(cairo, s.x + (e.x - s.x) * 0.2, s.y + (e.y - s.y) * 0.2, look.limbWidth * 0.8);
                Outlined(cairo, look.top, look.topShade);
            } else {
                // The cuff.
                cairo_move_to(cairo, e.x + (h.x - e.x) * 0.82, e.y + (h.y - e.y) * 0.82);
                cairo_line_to(cairo, e.x + (h.x - e.x) * 0.9, e.y + (h.y - e.y) * 0.9);
                StrokeBand(cairo, look.topShade, look.limbWidth * 1.05, look.limbWidth * 1.05);
            }
            Circle(cairo, h.x, h.y, look.limbWidth * 0.62);
            Outlined(cairo, look.skin, look.skinShade);
        });
        // The trumpet just under the hand that holds it.
        if (look.trumpet && side == 1)
            parts.Add(order - 0.01, [=, this] { Trumpet(h); });
    }

    // Soot over the forearm from a little below the elbow to the hand,
    // darkest at the hand.
    void Soot(const ScreenPoint& elbow, const ScreenPoint& hand, double width)
    {
        for (const double from : {0.3, 0.65}) {
            cairo_move_to(cairo, elbow.x + (hand.x - elbow.x) * from, elbow.y + (hand.y - elbow.y) * from);
            cairo_line_to(cairo, hand.x, hand.y);
            SetColour(cairo, soot, 0.28);
            cairo_set_line_width(cairo, width - outlineUnits);
            cairo_stroke(cairo);
        }
    }

    // The herald's long trumpet, held upright: the mouthpiece under the
    // fist, the tube rising past the head to the bell, and a little banner
    // in the tabard's quarters hanging from the tube, out to the side the
    // hand is on (or behind the figure seen from the side).
    void Trumpet(const ScreenPoint& hand)
    {
        const double bottom = hand.y + 7.0;
        const double top = hand.y - 72.0;
        const double x = hand.x;
        double outward = hand.x > 3.0 ? 1.0 : hand.x < -3.0 ? -1.0 : (view.Sin() > 0.0 ? -1.0 : 1.0);
        // The banner first, the tube over its edge.
        const double bannerTop = top + 10.0;
        const double bannerWidth = 13.0 * outward;
        const double bannerHeight = 15.0;
        const auto bannerPath = [&] {
            cairo_move_to(cairo, x, bannerTop);
            cairo_line_to(cairo, x + bannerWidth, bannerTop);
            cairo_line_to(cairo, x + bannerWidth, bannerTop + bannerHeight);
            cairo_line_to(cairo, x + bannerWidth / 2, bannerTop + bannerHeight - 4.0);
            cairo_line_to(cairo, x, bannerTop + bannerHeight);
            cairo_close_path(cairo);
        };
        bannerPath();
        FillPlain(cairo, look.quarter);
        cairo_save(cairo);
        bannerPath();
        cairo_clip(cairo);
        const double middleX = x + bannerWidth / 2;
        const double middleY = bannerTop + bannerHeight / 2 - 1.0;
        cairo_rectangle(cairo, std::min(x, middleX), bannerTop, std::abs(bannerWidth / 2), middleY - bannerTop);
        cairo_rectangle(cairo, std::min(middleX, x + bannerWidth), middleY, std::abs(bannerWidth / 2), bannerHeight);
        FillPlain(cairo, look.top);
        cairo_restore(cairo);
        bannerPath();
        StrokeOutline(cairo, outlineUnits);
        // Gold cords from the tube.
        cairo_move_to(cairo, x + bannerWidth, bannerTop);
        cairo_line_to(cairo, x + bannerWidth * 0.5, bannerTop - 3.0);
        cairo_line_to(cairo, x, bannerTop);
        StrokeBand(cairo, brass, 0.6, 0.6 + outlineUnits * 1.2);
        // The tube, a knob halfway and the mouthpiece.
        cairo_move_to(cairo, x, bottom);
        cairo_line_to(cairo, x, top + 6.0);
        Band(cairo, brass, 2.0);
        cairo_move_to(cairo, x - 0.4, bottom - 4.0);
        cairo_line_to(cairo, x - 0.4, top + 8.0);
        StrokeBand(cairo, tone::white, 0.5, 0.5, 0.55);
        Ellipse(cairo, x, (bottom + top) / 2 + 6.0, 2.2, 3.0);
        Outlined(cairo, brass, brassShade, outlineUnits * 0.8);
        Ellipse(cairo, x, bottom + 1.0, 1.8, 1.4);
        Outlined(cairo, brass, brassShade, outlineUnits * 0.8);
        // The bell, flaring open at the top.
        cairo_move_to(cairo, x - 1.3, top + 9.0);
        cairo_curve_to(cairo, x - 1.6, top + 3.0, x - 5.5, top + 1.5, x - 6.0, top);
        cairo_line_to(cairo, x + 6.0, top);
        cairo_curve_to(cairo, x + 5.5, top + 1.5, x + 1.6, top + 3.0, x + 1.3, top + 9.0);
        cairo_close_path(cairo);
        Outlined(cairo, brass, brassShade, outlineUnits * 0.9);
        Ellipse(cairo, x, top, 6.0, 1.6);
        Outlined(cairo, brassShade, brass, outlineUnits * 0.8);
    }

    // The half width of the body on the screen, from its half width across
    // and its half depth.
    double Across(double across, double depth) const
    {
        return across * std::abs(view.Cos()) + depth * std::abs(view.Sin());
    }

    void Torso()
    {
        const double radius = look.headRadius;
        // The neck under the head.
        const ScreenPoint neckTop = Place({0.0, headY + radius * 0.6, 0.0});
        const ScreenPoint neckBottom = Place({0.0, shoulderY + 2.0, 0.0});
        cairo_move_to(cairo, neckTop.x, neckTop.y);
        cairo_line_to(cairo, neckBottom.x, neckBottom.y);
        Band(cairo, look.skinShade, radius * 0.45);

        double hemBelow = 3.0;
        double flare = 0.5;
        switch (look.garment) {
        case FigureLook::Garment::dress: hemBelow = look.hipHeight * 0.5; flare = 6.0; break;
        case FigureLook::Garment::coat: hemBelow = look.hipHeight * 0.42; flare = 3.0; break;
        case FigureLook::Garment::shirt: hemBelow = 2.0; flare = 1.0; break;
        case FigureLook::Garment::vest: hemBelow = 4.0; flare = 0.8; break;
        case FigureLook::Garment::tabard: hemBelow = look.hipHeight * 0.34; flare = 1.5; break;
        case FigureLook::Garment::apron: hemBelow = 2.0; flare = 1.0; break;
        case FigureLook::Garment::jacket: break;
        }
        const ScreenPoint top = Place({0.0, shoulderY - 1.0, 0.0});
        const ScreenPoint waist = Place({0.0, hipY, 0.0});
        const ScreenPoint hem = view.Project({0.0, hipY + hemBelow, 0.0});
        const double topHalf = Across(look.shoulderHalf + 1.0, look.torsoDepth * 0.8);
        const double waistHalf = Across(look.hipHalf + 3.5, look.torsoDepth);
        const double hemHalf = waistHalf + flare;
        // A stout middle bulges forwards, and a little to both sides.
        const double front = view.Sin();
        const double bulgeRight = look.belly * (0.45 * std::abs(view.Cos()) + std::max(0.0, front));
        const double bulgeLeft = look.belly * (0.45 * std::abs(view.Cos()) + std::max(0.0, -front));
        const double middleY = (top.y + waist.y) / 2 + 3.0;
        const double shoulderRound = std::min(4.0, topHalf * 0.5);
        const auto outline = [&] {
            cairo_move_to(cairo, top.x - topHalf, top.y + shoulderRound);
            cairo_curve_to(cairo, top.x - topHalf, top.y, top.x - topHalf + shoulderRound, top.y - 1.0, top.x,
                           top.y - 1.0);
            cairo_curve_to(cairo, top.x + topHalf - shoulderRound, top.y - 1.0, top.x + topHalf, top.y,
                           top.x + topHalf, top.y + shoulderRound);
            cairo_curve_to(cairo, top.x + topHalf + bulgeRight, middleY, waist.x + waistHalf + bulgeRight * 0.8,
                           waist.y - 2.0, hem.x + hemHalf, hem.y);
            cairo_line_to(cairo, hem.x - hemHalf, hem.y);
            cairo_curve_to(cairo, waist.x - waistHalf - bulgeLeft * 0.8, waist.y - 2.0, top.x - topHalf - bulgeLeft,
                           middleY, top.x - topHalf, top.y + shoulderRound);
            cairo_close_path(cairo);
        };
        outline();
        cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
        Outlined(cairo, look.top, look.topShade);

        // The front's details where the viewer sees the front.
        const double facing = view.Cos();
        const auto frontX = [&](const ScreenPoint& centre, double half, double bulge) {
            return centre.x + front * (half * 0.8 + bulge * 0.5);
        };
        if (look.garment == FigureLook::Garment::tabard && facing < -0.2) {
            TabardQuarters(outline, top, waist, hem, topHalf, waistHalf);
            return;
        }
        if (look.garment == FigureLook::Garment::apron && facing < -0.2) {
            ApronStraps();
            return;
        }
        if (facing < -0.2)
            return;
        const double topFrontX = frontX(top, topHalf, 0.0);
        const double hemFrontX = frontX(hem, hemHalf, 0.0);
        const double middleFrontX = frontX({top.x, middleY, 0.0}, (topHalf + waistHalf) / 2, look.belly * 1.6);
        if (look.garment == FigureLook::Garment::tabard) {
            TabardQuarters(outline, top, waist, hem, topHalf, waistHalf);
            return;
        }
        switch (look.garment) {
        case FigureLook::Garment::jacket:
            // A cream shirt in the open collar, and the zip.
            cairo_move_to(cairo, topFrontX - 2.6 * facing, top.y - 0.6);
            cairo_line_to(cairo, topFrontX, top.y + 4.5);
            cairo_line_to(cairo, topFrontX + 2.6 * facing, top.y - 0.6);
            cairo_close_path(cairo);
            Outlined(cairo, colour::cream, colour::sand, outlineUnits * 0.7);
            cairo_move_to(cairo, topFrontX, top.y + 4.5);
            cairo_curve_to(cairo, middleFrontX, middleY, middleFrontX, middleY, hemFrontX, hem.y - 0.4);
            StrokeOutline(cairo, outlineUnits * 0.8);
            break;
        case FigureLook::Garment::coat:
            for (int button = 0; button < 4; ++button) {
                const double t = (button + 0.8) / 5.0;
                const double y = top.y + (hem.y - top.y) * t;
                const double x = topFrontX + (hemFrontX - topFrontX) * t +
                                 (middleFrontX - (topFrontX + hemFrontX) / 2) * 4 * t * (1 - t);
                for (const double row : {-1.0, 1.0}) {
                    if (std::abs(facing) < 0.3 && row * front < 0)
                        continue;
                    Circle(cairo, x + row * 2.4 * facing, y, 0.95);
                    Outlined(cairo, colour::orangeLight, colour::orange, outlineUnits * 0.5);
                }
            }
            break;
        case FigureLook::Garment::dress:
            // A sash at the waist.
            cairo_move_to(cairo, waist.x - waistHalf - 0.3, waist.y - 1.5);
            cairo_curve_to(cairo, waist.x - waistHalf * 0.3, waist.y - 0.5, waist.x + waistHalf * 0.3, waist.y - 0.5,
                           waist.x + waistHalf + 0.3, waist.y - 1.5);
            StrokeBand(cairo, look.accent, 1.6, 1.6 + outlineUnits * 1.4);
            break;
        case FigureLook::Garment::shirt:
            // Hibiscus flowers on the shirt's front.
            for (const auto& [across, down] : {std::pair{-0.55, 0.3}, std::pair{0.45, 0.55}, std::pair{-0.2, 0.8}}) {
                const double y = top.y + (waist.y - top.y) * down;
                const ScreenPoint at = view.Project(Leaned({across * look.shoulderHalf, shoulderY + (hipY - shoulderY) * down,
                                                            look.torsoDepth * 0.9 + look.belly * 0.5}));
                if (at.z < 1.0)
                    continue;
                Flower(cairo, at.x, y, 2.4, look.accent, colour::hibiscus);
            }
            break;
        case FigureLook::Garment::apron:
            Apron();
            break;
        case FigureLook::Garment::tabard: break;
        case FigureLook::Garment::vest: {
            // The shirt in the vest's open front with its collar, and the
            // vest's buttons below.
            const double openX = topFrontX + (middleFrontX - topFrontX) * 0.8;
            const double openY = top.y + (middleY - top.y) * 0.8;
            cairo_move_to(cairo, topFrontX - 4.2 * facing, top.y - 0.8);
            cairo_line_to(cairo, openX, openY);
            cairo_line_to(cairo, topFrontX + 4.2 * facing, top.y - 0.8);
            cairo_close_path(cairo);
            Outlined(cairo, look.shirt, look.shirtShade, outlineUnits * 0.7);
            for (const double side : {-1.0, 1.0}) {
                cairo_move_to(cairo, topFrontX, top.y - 0.6);
                cairo_line_to(cairo, topFrontX + side * 3.8 * facing, top.y - 1.2);
                cairo_line_to(cairo, topFrontX + side * 1.8 * facing, top.y + 2.8);
                cairo_close_path(cairo);
                Outlined(cairo, look.shirt, look.shirtShade, outlineUnits * 0.6);
            }
            cairo_move_to(cairo, openX, openY);
            cairo_curve_to(cairo, middleFrontX, middleY + 2.0, hemFrontX, hem.y - 3.0, hemFrontX, hem.y - 0.4);
            StrokeOutline(cairo, outlineUnits * 0.7);
            for (int button = 0; button < 3; ++button) {
                const double t = (button + 0.6) / 3.4;
                Circle(cairo, openX + (hemFrontX - openX) * t + 0.9 * facing, openY + (hem.y - openY) * t, 0.85);
                Outlined(cairo, look.accent, look.topShade, outlineUnits * 0.5);
            }
            break;
        }
        }
    }

    // The tabard's quarters over its base colour: the seam down the middle
    // of the side the viewer sees (the front, or the back when the figure
    // turns away) and across at the belt, the other colour above on the
    // figure's side 1 and below on side 0; the falcon sits over the seam.
    void TabardQuarters(const std::function<void()>& outline, const ScreenPoint& top, const ScreenPoint& waist,
                        const ScreenPoint& hem, double topHalf, double waistHalf)
    {
        const bool front = view.Cos() >= 0.0;
        const double toward = front ? view.Sin() : -view.Sin();
        const double middleY = (top.y + waist.y) / 2 + 3.0;
        const double seamTopX = top.x + toward * topHalf * 0.8;
        const double seamMiddleX = top.x + toward * ((topHalf + waistHalf) / 2 * 0.8 + (front ? look.belly * 0.8 : 0.0));
        const double seamHemX = hem.x + toward * waistHalf * 0.8;
        // Left of the seam is the figure's side 0 seen from the front, side
        // 1 from behind.
        const auto column = [&](double far) {
            cairo_move_to(cairo, far, top.y - 10.0);
            cairo_line_to(cairo, seamTopX, top.y - 10.0);
            cairo_line_to(cairo, seamTopX, top.y);
            cairo_curve_to(cairo, seamMiddleX, middleY, seamMiddleX, middleY, seamHemX, hem.y);
            cairo_line_to(cairo, seamHemX, hem.y + 10.0);
            cairo_line_to(cairo, far, hem.y + 10.0);
            cairo_close_path(cairo);
        };
        const double reach = 60.0;
        cairo_save(cairo);
        outline();
        cairo_clip(cairo);
        for (const bool upper : {true, false}) {
            cairo_save(cairo);
            if (upper)
                cairo_rectangle(cairo, -reach, top.y - 20.0, 2 * reach, waist.y - top.y + 20.0);
            else
                cairo_rectangle(cairo, -reach, waist.y, 2 * reach, hem.y - waist.y + 20.0);
            cairo_clip(cairo);
            // Side 1 above, side 0 below.
            const bool leftIsSide1 = !front;
            column(upper == leftIsSide1 ? -reach : reach);
            SetPathGradient(cairo, look.quarter, look.quarterShade);
            cairo_fill(cairo);
            cairo_restore(cairo);
        }
        // The belt.
        cairo_move_to(cairo, -reach, waist.y);
        cairo_curve_to(cairo, waist.x - waistHalf * 0.3, waist.y + 1.0, waist.x + waistHalf * 0.3, waist.y + 1.0,
                       reach, waist.y);
        StrokeBand(cairo, tone::wood, 2.2, 2.2 + outlineUnits * 2);
        cairo_restore(cairo);
        outline();
        StrokeOutline(cairo, outlineUnits);
        if (std::abs(view.Cos()) > 0.2) {
            const double squeeze = 0.35 + 0.65 * std::abs(view.Cos());
            const double seamX = (seamTopX + seamMiddleX) / 2;
            Falcon(seamX, top.y + (waist.y - top.y) * 0.4, 10.0, squeeze);
            if (front) {
                RoundedRectangle(cairo, seamHemX + (seamMiddleX - seamHemX) * 0.2 - 2.0 * squeeze, waist.y - 1.8,
                                 4.0 * squeeze, 3.6, 0.8);
                Outlined(cairo, brass, brassShade, outlineUnits * 0.6);
            }
        }
    }

    // A falcon rising, wings up, `size` units tall about (x, y), squeezed
    // across by `squeeze`.
    void Falcon(double x, double y, double size, double squeeze)
    {
        cairo_save(cairo);
        cairo_translate(cairo, x, y);
        cairo_scale(cairo, size / 2 * squeeze, size / 2);
        cairo_new_path(cairo);
        for (const double side : {-1.0, 1.0}) {
            cairo_move_to(cairo, side * 0.15, -0.15);
            cairo_line_to(cairo, side * 1.0, -0.95);
            cairo_line_to(cairo, side * 0.88, -0.5);
            cairo_line_to(cairo, side * 1.0, -0.42);
            cairo_line_to(cairo, side * 0.72, -0.12);
            cairo_line_to(cairo, side * 0.82, 0.0);
            cairo_line_to(cairo, side * 0.25, 0.3);
            cairo_close_path(cairo);
        }
        cairo_new_sub_path(cairo);
        Ellipse(cairo, 0.0, 0.15, 0.3, 0.52);
        cairo_new_sub_path(cairo);
        Circle(cairo, 0.05, -0.52, 0.22);
        cairo_move_to(cairo, 0.2, -0.62);
        cairo_line_to(cairo, 0.46, -0.5);
        cairo_line_to(cairo, 0.22, -0.4);
        cairo_close_path(cairo);
        cairo_move_to(cairo, -0.22, 0.55);
        cairo_line_to(cairo, 0.22, 0.55);
        cairo_line_to(cairo, 0.34, 0.98);
        cairo_line_to(cairo, -0.34, 0.98);
        cairo_close_path(cairo);
        cairo_restore(cairo);
        cairo_set_line_join(cairo, CAIRO_LINE_JOIN_MITER);
        FillUnion(cairo, look.accent, look.accent, outlineUnits * 0.5);
        cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
        Circle(cairo, x + 0.1 * size / 2 * squeeze, y - 0.55 * size / 2, 0.35);
        FillPlain(cairo, white);
    }

    // The smith's leather apron: a bib over the chest on a strap round the
    // neck, and below the belt a skirt wrapped round the front of the legs
    // down to the knees, with a pocket. It is a sheet round the front of
    // the body, drawn where it faces the viewer.
    void Apron()
    {
        const double yaw = std::atan2(view.Sin(), view.Cos());
        const double first = std::max(-1.35, -pi / 2 - yaw);
        const double last = std::min(1.35, pi / 2 - yaw);
        if (last <= first)
            return;
        const double chestY = shoulderY + (hipY - shoulderY) * 0.28;
        const double kneeY = -look.hipHeight * 0.42;
        // A point of the sheet `angle` round from the front at height y.
        const auto sheet = [&](double angle, double y) {
            const double clamped = std::clamp(angle, first, last);
            const double t = std::clamp((y - shoulderY) / (hipY - shoulderY), 0.0, 1.6);
            const double across = t < 1.0 ? look.shoulderHalf + (look.hipHalf + 3.5 - look.shoulderHalf) * t
                                           : look.hipHalf + 3.5 + (t - 1.0) * 2.0;
            const double bulge = look.belly * std::sin(std::min(1.0, t) * pi);
            const double depth = look.torsoDepth * (t < 1.0 ? 0.85 + 0.15 * t : 1.0) + bulge + 0.8;
            const BodyPoint point{std::sin(clamped) * (across + 0.6), y, std::cos(clamped) * depth};
            return y < hipY ? Place(point) : view.Project(point);
        };
        const double bib = 0.62;
        const double skirt = 1.3;
        std::vector<ScreenPoint> edge;
        constexpr int steps = 10;
        const auto run = [&](double fromAngle, double toAngle, double fromY, double toY) {
            for (int step = 0; step <= steps; ++step) {
                const double t = static_cast<double>(step) / steps;
                edge.push_back(sheet(fromAngle + (toAngle - fromAngle) * t, fromY + (toY - fromY) * t));
            }
        };
        run(-bib, bib, chestY, chestY);
        run(bib, bib, chestY, hipY - 2.0);
        run(bib, skirt, hipY - 2.0, hipY);
        run(skirt, skirt + 0.05, hipY, kneeY);
        run(skirt + 0.05, -skirt - 0.05, kneeY, kneeY);
        run(-skirt - 0.05, -skirt, kneeY, hipY);
        run(-skirt, -bib, hipY, hipY - 2.0);
        run(-bib, -bib, hipY - 2.0, chestY);
        // The neck strap behind it, from the bib's corners.
        const ScreenPoint neck = Place({0.0, shoulderY - 1.5, 0.0});
        const ScreenPoint leftCorner = sheet(-bib * 0.8, chestY);
        const ScreenPoint rightCorner = sheet(bib * 0.8, chestY);
        cairo_move_to(cairo, leftCorner.x, leftCorner.y);
        cairo_curve_to(cairo, leftCorner.x, neck.y + 1.0, neck.x - look.headRadius * 0.45, neck.y, neck.x, neck.y - 1.0);
        cairo_curve_to(cairo, neck.x + look.headRadius * 0.45, neck.y, rightCorner.x, neck.y + 1.0, rightCorner.x,
                       rightCorner.y);
        StrokeBand(cairo, look.apronShade, 1.2, 1.2 + outlineUnits * 2);
        cairo_new_path(cairo);
        for (const ScreenPoint& point : edge)
            cairo_line_to(cairo, point.x, point.y);
        cairo_close_path(cairo);
        cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
        Outlined(cairo, look.apron, look.apronShade);
        // The ties at the waist, and a stitched pocket on the skirt.
        const ScreenPoint tieLeft = sheet(-skirt, hipY - 1.0);
        const ScreenPoint tieRight = sheet(skirt, hipY - 1.0);
        cairo_move_to(cairo, tieLeft.x, tieLeft.y);
        cairo_line_to(cairo, tieRight.x, tieRight.y);
        SetColour(cairo, look.apronShade, 0.9);
        cairo_set_line_width(cairo, 1.0);
        cairo_stroke(cairo);
        const double pocketAngle = -0.35;
        if (pocketAngle - 0.3 > first && pocketAngle + 0.3 < last) {
            const ScreenPoint a = sheet(pocketAngle - 0.3, hipY + 3.0);
            const ScreenPoint b = sheet(pocketAngle + 0.3, hipY + 3.0);
            const ScreenPoint c = sheet(pocketAngle + 0.3, hipY + 10.0);
            const ScreenPoint d = sheet(pocketAngle - 0.3, hipY + 10.0);
            cairo_move_to(cairo, a.x, a.y);
            cairo_line_to(cairo, b.x, b.y);
            cairo_line_to(cairo, c.x, c.y);
            cairo_line_to(cairo, d.x, d.y);
            cairo_close_path(cairo);
            Outlined(cairo, look.apron, look.apronShade, outlineUnits * 0.7);
            // A hammer's handle sticks out of it.
            cairo_move_to(cairo, (a.x + b.x) / 2 + 1.0, a.y + 2.0);
            cairo_line_to(cairo, (a.x + b.x) / 2 + 2.0, a.y - 4.0);
            Band(cairo, tone::woodLight, 1.4);
        }
    }

    // Seen from behind: the apron's neck strap and its ties crossing the back
    // to a knot above the belt.
    void ApronStraps()
    {
        const double across = look.shoulderHalf * 0.55;
        const ScreenPoint leftNeck = Place({-across * 0.5, shoulderY - 1.0, -look.torsoDepth * 0.5});
        const ScreenPoint rightNeck = Place({across * 0.5, shoulderY - 1.0, -look.torsoDepth * 0.5});
        const ScreenPoint leftHip = Place({-(look.hipHalf + 3.5), hipY - 2.0, -look.torsoDepth * 0.6});
        const ScreenPoint rightHip = Place({look.hipHalf + 3.5, hipY - 2.0, -look.torsoDepth * 0.6});
        const ScreenPoint knot = Place({0.0, hipY - 2.5, -look.torsoDepth});
        cairo_move_to(cairo, leftNeck.x, leftNeck.y);
        cairo_curve_to(cairo, leftNeck.x, leftNeck.y - 2.0, rightNeck.x, rightNeck.y - 2.0, rightNeck.x, rightNeck.y);
        StrokeBand(cairo, look.apronShade, 1.2, 1.2 + outlineUnits * 2);
        cairo_move_to(cairo, leftHip.x, leftHip.y);
        cairo_line_to(cairo, knot.x, knot.y);
        cairo_line_to(cairo, rightHip.x, rightHip.y);
        StrokeBand(cairo, look.apron, 1.3, 1.3 + outlineUnits * 2);
        for (const double side : {-1.0, 1.0}) {
            cairo_move_to(cairo, knot.x, knot.y);
            cairo_curve_to(cairo, knot.x + side * 3.0, knot.y - 3.0, knot.x + side * 4.0, knot.y + 1.0, knot.x + side * 1.0,
                           knot.y + 1.0);
            cairo_move_to(cairo, knot.x, knot.y);
            cairo_line_to(cairo, knot.x + side * 1.5, knot.y + 7.0);
        }
        StrokeBand(cairo, look.apron, 1.1, 1.1 + outlineUnits * 2);
    }

    // The outline of a part given by points around it: their convex hull.
    void AddHull(std::vector<ScreenPoint> points) const
    {
        std::sort(points.begin(), points.end(),
                  [](const ScreenPoint& a, const ScreenPoint& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
        const auto turn = [](const ScreenPoint& o, const ScreenPoint& a, const ScreenPoint& b) {
            return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
        };
        std::vector<ScreenPoint> hull(2 * points.size());
        std::size_t count = 0;
        for (std::size_t index = 0; index < points.size(); ++index) {
            while (count >= 2 && turn(hull[count - 2], hull[count - 1], points[index]) <= 0.0)
                --count;
            hull[count++] = points[index];
        }
        for (std::size_t index = points.size() - 1, lower = count + 1; index-- > 0;) {
            while (count >= lower && turn(hull[count - 2], hull[count - 1], points[index]) <= 0.0)
                --count;
            hull[count++] = points[index];
        }
        cairo_new_path(cairo);
        for (std::size_t index = 0; index + 1 < count; ++index)
            cairo_line_to(cairo, hull[index].x, hull[index].y);
        cairo_close_path(cairo);
    }

    // Where a part hanging behind the back goes among the others: behind
    // everything when the figure faces the viewer, over everything but the
    // head when it turns away, and between the far arm and the body seen
    // from the side.
    double BackOrder(double depth, double behind, double between, double over) const
    {
        const double z = view.Project({0.0, 0.0, -depth}).z;
        return z < -2.0 ? behind : z > 2.0 ? over : between;
    }
    // The inside of the cape shows when the figure faces the viewer.
    bool LiningShows() const { return view.Cos() > 0.6; }

    // The cape hangs from the shoulders round the back and widens to its
    // hem at the calves. Walking, the hem trails a little behind and swings
    // with the steps.
    void Cape()
    {
        const double stride = (pose.legs[0].forward - pose.legs[1].forward) / 2;
        const double trail = pose.lean * 45.0;
        const double sway = stride * 0.22;
        const double hemY = -13.0 + pose.crouch - pose.rise * 0.6;
        constexpr int steps = 12;
        std::vector<ScreenPoint> top;
        std::vector<ScreenPoint> hem;
        for (int step = 0; step <= steps; ++step) {
            // From the figure's side 1 round the back to side 0.
            const double around = pi * step / steps;
            const double across = std::cos(around);
            const double back = std::sin(around);
            top.push_back(Place({across * (look.shoulderHalf + 1.6), shoulderY - 0.5,
                                 1.5 - back * (look.torsoDepth * 0.8 + 1.5)}));
            hem.push_back(view.Project({across * (look.shoulderHalf + 7.0) + sway * back, hemY,
                                        1.0 - back * (look.torsoDepth + 7.0 + trail)}));
        }
        const bool lining = LiningShows();
        const std::uint32_t light = lining ? look.liningColour : look.capeColour;
        const std::uint32_t shade = lining ? look.liningShade : look.capeShade;
        parts.Add(BackOrder(look.torsoDepth, -20.0, -4.0, 6.0), [=, this] {
            std::vector<ScreenPoint> points = top;
            points.insert(points.end(), hem.begin(), hem.end());
            AddHull(points);
            cairo_save(cairo);
            cairo_clip_preserve(cairo);
            Outlined(cairo, light, shade);
            // Folds down from below the shoulders.
            for (const int step : {3, 6, 9}) {
                const ScreenPoint& from = top[step];
                const ScreenPoint& to = hem[step];
                cairo_move_to(cairo, from.x + (to.x - from.x) * 0.3, from.y + (to.y - from.y) * 0.3);
                cairo_line_to(cairo, to.x, to.y + 1.0);
            }
            SetColour(cairo, shade, 0.9);
            cairo_set_line_width(cairo, 1.1);
            cairo_stroke(cairo);
            cairo_restore(cairo);
        });
        // A gold chain across the chest holds it.
        if (view.Cos() > 0.3) {
            const ScreenPoint left = top.back();
            const ScreenPoint right = top.front();
            parts.Add(0.5, [=, this] {
                cairo_move_to(cairo, left.x, left.y + 1.0);
                cairo_curve_to(cairo, left.x + 3.0, left.y + 4.0, right.x - 3.0, right.y + 4.0, right.x, right.y + 1.0);
                StrokeBand(cairo, colour::orangeLight, 0.7, 0.7 + outlineUnits * 1.4);
                for (const ScreenPoint& clasp : {left, right}) {
                    Circle(cairo, clasp.x, clasp.y + 1.0, 1.5);
                    Outlined(cairo, colour::orangeLight, colour::orange, outlineUnits * 0.7);
                }
            });
        }
    }

    // The cape's collar standing up behind the head, flaring out.
    void Collar()
    {
        const double radius = look.headRadius;
        constexpr int steps = 10;
        std::vector<ScreenPoint> points;
        for (int step = 0; step <= steps; ++step) {
            const double around = pi * step / steps;
            const double across = std::cos(around);
            const double back = std::sin(around);
            points.push_back(Place({across * radius * 0.6, shoulderY + 0.5, -back * radius * 0.45}));
            points.push_back(Place({across * radius * 1.35, headY + radius * 0.15, 0.6 - back * radius * 0.95}));
        }
        const bool lining = LiningShows();
        const std::uint32_t light = lining ? look.liningColour : look.capeColour;
        const std::uint32_t shade = lining ? look.liningShade : look.capeShade;
        // Under the head however the figure turns.
        parts.Add(BackOrder(radius, -0.5, 2.9, 2.9), [=, this] {
            AddHull(points);
            Outlined(cairo, light, shade);
        });
    }

    void Garland()
    {
        // Flowers round the neck; those behind it stay hidden.
        struct Bloom {
            ScreenPoint at;
            int index;
        };
        std::vector<Bloom> blooms;
        constexpr int count = 14;
        for (int index = 0; index < count; ++index) {
            const double angle = index * 2 * pi / count;
            const BodyPoint point{std::cos(angle) * look.shoulderHalf * 0.75, shoulderY + 1.0 + 2.2 * std::sin(angle),
                                  std::sin(angle) * (look.torsoDepth + 0.6)};
            const ScreenPoint at = Place(point);
            if (at.z > -1.5)
                blooms.push_back({at, index});
        }
        std::sort(blooms.begin(), blooms.end(), [](const Bloom& a, const Bloom& b) { return a.at.z < b.at.z; });
        for (const Bloom& bloom : blooms) {
            const bool red = bloom.index % 3 != 1;
            Flower(cairo, bloom.at.x, bloom.at.y, 2.6, red ? tone::hibiscusLight : colour::cream,
                   red ? colour::hibiscus : colour::orangeLight);
        }
    }

    void Camera()
    {
        const ScreenPoint at = Place({-2.0, shoulderY + 13.0, look.torsoDepth + 2.0});
        if (at.z < 0.0)
            return;
        const ScreenPoint strapTop = Place({look.shoulderHalf * 0.8, shoulderY, 0.0});
        parts.Add(4.5, [=, this] {
            cairo_move_to(cairo, strapTop.x, strapTop.y);
            cairo_line_to(cairo, at.x, at.y - 3.0);
            StrokeBand(cairo, colour::banner, 0.9, 0.9 + outlineUnits * 1.2);
            // A big camera: body, flash and lens.
            const double width = 6.4 * std::abs(view.Cos()) + 4.0 * std::abs(view.Sin());
            RoundedRectangle(cairo, at.x - width, at.y - 4.4, 2 * width, 8.8, 1.8);
            Outlined(cairo, tone::steelLight, colour::steel);
            if (view.Cos() > -0.1) {
                RoundedRectangle(cairo, at.x - width * 0.8, at.y - 6.0, width * 0.5, 2.0, 0.6);
                Outlined(cairo, colour::cream, colour::sand, outlineUnits * 0.6);
                const double lensX = at.x + view.Sin() * 4.2;
                Ellipse(cairo, lensX, at.y + 0.3, 3.4 * (0.35 + 0.65 * std::abs(view.Cos())), 3.4);
                Outlined(cairo, colour::nightLight, colour::nightDeep, outlineUnits * 0.7);
                Circle(cairo, lensX - 0.8, at.y - 0.6, 0.8);
                FillPlain(cairo, white, 0.9);
            }
        });
    }

    HeadView HeadAt(const ScreenPoint& centre) const { return {centre.x, centre.y, look.headRadius, headYaw}; }
    // A point of the head's surface (HeadView::On).
    using Surface = HeadView::Surface;
    Surface OnHead(const ScreenPoint& centre, double angle, double down, double out = 1.0) const
    {
        return HeadAt(centre).On(angle, down, out);
    }

    void Head()
    {
        const double radius = look.headRadius;
        const ScreenPoint centre = [&] {
            ScreenPoint point = Place({0.0, headY, 0.0});
            point.y += pose.headTilt;
            return point;
        }();
        const double facing = std::cos(headYaw);
        const double sideways = std::sin(headYaw);

        // Pigtails behind the head first.
        const auto pigtail = [&](double side) {
            const double angle = side * pi * 0.62;
            const Surface at = OnHead(centre, angle, radius * 0.1, 1.15);
            return std::pair{at, angle};
        };
        const auto drawPigtail = [&](double side) {
            const auto [at, angle] = pigtail(side);
            Ellipse(cairo, at.x, at.y + radius * 0.2, radius * 0.36, radius * 0.55);
            Outlined(cairo, look.hair, look.hairShade);
            const Surface ribbon = OnHead(centre, angle * 0.9, -radius * 0.2, 1.05);
            for (const double wing : {-1.0, 1.0}) {
                cairo_move_to(cairo, ribbon.x, ribbon.y);
                cairo_line_to(cairo, ribbon.x + wing * radius * 0.28, ribbon.y - radius * 0.16);
                cairo_line_to(cairo, ribbon.x + wing * radius * 0.28, ribbon.y + radius * 0.16);
                cairo_close_path(cairo);
            }
            Outlined(cairo, look.accent, look.accent, outlineUnits * 0.6);
        };
        if (look.hairStyle == FigureLook::Hair::pigtails) {
            for (const double side : {-1.0, 1.0})
                if (pigtail(side).first.facing < 0.0)
                    drawPigtail(side);
        }

        if (look.squareChin) {
            AddHeadShape(cairo, HeadAt(centre), true);
            FillUnion(cairo, look.skin, look.skinShade, outlineUnits);
        } else {
            Circle(cairo, centre.x, centre.y, radius);
            Outlined(cairo, look.skin, look.skinShade);
        }
        // Ears.
        for (const double side : {-1.0, 1.0}) {
            const Surface ear = OnHead(centre, side * pi / 2, radius * 0.15, 0.98);
            if (ear.facing < -0.35)
                continue;
            Ellipse(cairo, ear.x, ear.y, radius * (0.12 + 0.1 * std::abs(std::sin(side * pi / 2 + headYaw))),
                    radius * 0.22);
            Outlined(cairo, look.skin, look.skinShade, outlineUnits * 0.8);
        }
        if (facing > -0.35)
            Face(centre);
        else if (look.fullBeard) // turned away, its side still shows past the jaw
            DrawFullBeard(cairo, HeadAt(centre), look.hair, look.hairShade);
        Hair(centre);
        if (look.hairStyle == FigureLook::Hair::pigtails) {
            for (const double side : {-1.0, 1.0})
                if (pigtail(side).first.facing >= 0.0)
                    drawPigtail(side);
        }
        if (look.goggles)
            Goggles(centre);
        if (look.cap == FigureLook::Cap::captain)
            CaptainCap(centre, facing, sideways);
        else if (look.cap == FigureLook::Cap::flat)
            DrawFlatCap(cairo, HeadAt(centre), look);
        else if (look.cap == FigureLook::Cap::feathered)
            DrawFeatheredCap(cairo, HeadAt(centre), look);
        if (look.monocle && facing > -0.35)
            DrawMonocle(cairo, HeadAt(centre));
    }

    void Face(const ScreenPoint& centre)
    {
        const double radius = look.headRadius;
        if (look.stubble)
            DrawStubble(cairo, HeadAt(centre), look.squareChin);
        // Cheeks, then the eyes.
        for (const double side : {-1.0, 1.0}) {
            const Surface cheek = OnHead(centre, side * 0.78, radius * 0.4);
            if (cheek.facing > 0.15) {
                Ellipse(cairo, cheek.x, cheek.y, radius * 0.16 * cheek.facing + 0.4, radius * 0.12);
                FillPlain(cairo, colour::hibiscus, 0.3);
            }
        }
        for (const double side : {-1.0, 1.0}) {
            const Surface eye = OnHead(centre, side * 0.38, radius * 0.1);
            if (eye.facing < 0.08)
                continue;
            const double width = radius * 0.14 * (0.4 + 0.6 * eye.facing);
            const double height = radius * 0.2 * (1.0 - 0.85 * pose.blink);
            Ellipse(cairo, eye.x, eye.y, width, height);
            FillPlain(cairo, colour::outline);
            if (pose.blink < 0.5) {
                Circle(cairo, eye.x - width * 0.3 + radius * 0.02, eye.y - height * 0.4, radius * 0.05);
                FillPlain(cairo, white);
            }
        }
        if (look.grumpy)
            DrawGrumpyBrows(cairo, HeadAt(centre), look.hairShade);
        // The nose shows in profile.
        const Surface nose = OnHead(centre, 0.0, radius * 0.3, 1.04);
        if (std::abs(std::sin(headYaw)) > 0.3 && nose.facing > -0.1) {
            Circle(cairo, nose.x, nose.y, radius * 0.11);
            Outlined(cairo, look.skin, look.skinShade, outlineUnits * 0.7);
        }
        if (look.beard)
            Beard(centre);
        if (look.fullBeard)
            DrawFullBeard(cairo, HeadAt(centre), look.hair, look.hairShade);
        Mouth(centre);
        if (look.moustache)
            DrawMoustache(cairo, HeadAt(centre), look.hair, look.hairShade);
    }

    void Mouth(const ScreenPoint& centre)
    {
        const double radius = look.headRadius;
        const Surface mouth = OnHead(centre, 0.0, radius * 0.52);
        if (mouth.facing < -0.05)
            return;
        const double width = radius * (look.bigSmile ? 0.42 : 0.28) * (0.35 + 0.65 * std::max(0.0, mouth.facing));
        if (pose.mouth > 0.08) {
            const double height = radius * (0.06 + 0.22 * pose.mouth);
            cairo_move_to(cairo, mouth.x - width, mouth.y - height * 0.4);
            cairo_curve_to(cairo, mouth.x - width * 0.5, mouth.y - height * 0.6, mouth.x + width * 0.5,
                           mouth.y - height * 0.6, mouth.x + width, mouth.y - height * 0.4);
            cairo_curve_to(cairo, mouth.x + width * 0.8, mouth.y + height * 1.4, mouth.x - width * 0.8,
                           mouth.y + height * 1.4, mouth.x - width, mouth.y - height * 0.4);
            cairo_close_path(cairo);
            Outlined(cairo, colour::banner, mouthInside, outlineUnits * 0.8);
        } else if (look.bigSmile) {
            // A wide open grin with its teeth.
            cairo_move_to(cairo, mouth.x - width, mouth.y - radius * 0.08);
            cairo_curve_to(cairo, mouth.x - width * 0.6, mouth.y + radius * 0.28, mouth.x + width * 0.6,
                           mouth.y + radius * 0.28, mouth.x + width, mouth.y - radius * 0.08);
            cairo_close_path(cairo);
            Outlined(cairo, white, colour::cream, outlineUnits * 0.8);
        } else if (look.grumpy) {
            DrawFrown(cairo, HeadAt(centre));
        } else {
            cairo_move_to(cairo, mouth.x - width, mouth.y - radius * 0.05);
            cairo_curve_to(cairo, mouth.x - width * 0.5, mouth.y + radius * 0.16, mouth.x + width * 0.5,
                           mouth.y + radius * 0.16, mouth.x + width, mouth.y - radius * 0.05);
            StrokeOutline(cairo, outlineUnits * 0.8);
        }
    }

    void Beard(const ScreenPoint& centre)
    {
        const double radius = look.headRadius;
        const Surface chin = OnHead(centre, 0.0, radius * 0.55, 0.75);
        const double width = radius * (0.5 + 0.42 * std::abs(std::cos(headYaw)));
        cairo_move_to(cairo, chin.x - width, chin.y - radius * 0.35);
        cairo_curve_to(cairo, chin.x - width, chin.y + radius * 0.6, chin.x - width * 0.3, chin.y + radius * 0.85,
                       chin.x, chin.y + radius * 0.85);
        cairo_curve_to(cairo, chin.x + width * 0.3, chin.y + radius * 0.85, chin.x + width, chin.y + radius * 0.6,
                       chin.x + width, chin.y - radius * 0.35);
        cairo_curve_to(cairo, chin.x + width * 0.5, chin.y - radius * 0.1, chin.x - width * 0.5, chin.y - radius * 0.1,
                       chin.x - width, chin.y - radius * 0.35);
        cairo_close_path(cairo);
        Outlined(cairo, white, tone::stoneLight);
    }

    // The hair over the head: its edge runs along a hairline that is high
    // over the forehead, lower at the temples and lowest at the nape, seen
    // wherever it crosses the side of the head that faces the viewer; above
    // it the hair stands a little off the head.
    void Hair(const ScreenPoint& centre)
    {
        if (look.hairStyle == FigureLook::Hair::bald) {
            DrawBaldCrown(cairo, HeadAt(centre), look.skinShade);
            return;
        }
        const double radius = look.headRadius;
        const bool capped = look.cap != FigureLook::Cap::none;
        const bool spiky = look.hairStyle == FigureLook::Hair::crop;
        const bool slick = look.hairStyle == FigureLook::Hair::slick;
        const double volume = capped ? 1.0 : slick ? 1.03 : 1.09;
        // The hairline's height below the head's centre at `longitude` from
        // the face.
        const auto hairline = [&](double longitude) {
            double around = std::abs(std::remainder(longitude, 2 * pi));
            double height = around < pi / 2 ? -0.42 + 0.6 * around / (pi / 2) : 0.18 + 0.55 * (around - pi / 2) / (pi / 2);
            if (slick && around < pi / 2) {
                // A high forehead under a widow's peak.
                height = -0.66 + 0.84 * around / (pi / 2) + 0.24 * std::max(0.0, 1.0 - around / 0.22);
            }
            if (spiky && around < 0.75) {
                // Spikes of the fringe, between the eyes.
                const double tooth = std::abs(std::remainder(longitude * 4.2, 2.0));
                height += 0.34 * (1.0 - tooth) * (0.75 - around);
            }
            return height * radius;
        };
        constexpr int steps = 40;
        cairo_new_path(cairo);
        double firstY = 0.0;
        double lastY = 0.0;
        for (int step = 0; step <= steps; ++step) {
            const double across = -1.0 + 2.0 * step / steps;
            const double longitude = std::asin(across) - headYaw;
            const double x = centre.x + across * radius;
            const double edge = std::sqrt(std::max(0.0, 1.0 - across * across)) * radius;
            const double y = centre.y + std::min(hairline(longitude), edge);
            if (step == 0) {
                cairo_move_to(cairo, x, y);
                firstY = y - centre.y;
            } else {
                cairo_line_to(cairo, x, y);
            }
            lastY = y - centre.y;
        }
        const double outer = radius * volume;
        const double rightAngle = std::atan2(lastY, std::sqrt(std::max(0.0, outer * outer - lastY * lastY)));
        const double leftAngle = pi - std::atan2(firstY, std::sqrt(std::max(0.0, outer * outer - firstY * firstY)));
        cairo_arc_negative(cairo, centre.x, centre.y, outer, rightAngle, leftAngle);
        cairo_close_path(cairo);
        cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
        Outlined(cairo, look.hair, look.hairShade);
        // Strands from the crown towards the face, where they can be seen.
        if (capped)
            return;
        const Surface crown = OnHead(centre, pi, -radius * 0.8);
        for (const double at : {-0.9, -0.3, 0.3, 0.9}) {
            const Surface end = OnHead(centre, at, -radius * 0.2, 0.98);
            const Surface middle = OnHead(centre, at * 1.2, -radius * 0.75, 1.0);
            if (end.facing < 0.2)
                continue;
            cairo_move_to(cairo, crown.x, crown.y);
            cairo_curve_to(cairo, middle.x, middle.y - radius * 0.2, middle.x, middle.y, end.x, end.y - radius * 0.25);
            SetColour(cairo, look.hairShade, 0.6);
            cairo_set_line_width(cairo, outlineUnits * 0.6);
            cairo_stroke(cairo);
        }
        // A shine on the hair.
        const Surface shine = OnHead(centre, -0.5, -radius * 0.72, 0.9);
        if (shine.facing > -0.6) {
            Ellipse(cairo, shine.x, shine.y, radius * 0.22, radius * 0.09);
            FillPlain(cairo, 0xFFFFFF, 0.28);
        }
    }

    void Goggles(const ScreenPoint& centre)
    {
        const double radius = look.headRadius;
        const double y = centre.y - radius * 0.55;
        const double reach = std::sqrt(1.0 - 0.55 * 0.55) * radius * 1.04;
        cairo_move_to(cairo, centre.x - reach, y + radius * 0.1);
        cairo_curve_to(cairo, centre.x - reach * 0.4, y - radius * 0.12, centre.x + reach * 0.4, y - radius * 0.12,
                       centre.x + reach, y + radius * 0.1);
        StrokeBand(cairo, colour::nightLight, radius * 0.16, radius * 0.16 + 2 * outlineUnits);
        for (const double side : {-1.0, 1.0}) {
            const Surface lens = OnHead(centre, side * 0.4, -radius * 0.6, 1.06);
            if (lens.facing < 0.05)
                continue;
            Ellipse(cairo, lens.x, lens.y, radius * 0.27 * (0.4 + 0.6 * lens.facing), radius * 0.25);
            Outlined(cairo, tone::steelLight, colour::steel, outlineUnits * 0.9);
            Ellipse(cairo, lens.x, lens.y, radius * 0.18 * (0.4 + 0.6 * lens.facing), radius * 0.17);
            Outlined(cairo, colour::tealLight, colour::teal, outlineUnits * 0.6);
            Circle(cairo, lens.x - radius * 0.05, lens.y - radius * 0.06, radius * 0.05);
            FillPlain(cairo, white, 0.9);
        }
    }

    void CaptainCap(const ScreenPoint& centre, double facing, double sideways)
    {
        const double radius = look.headRadius;
        // The peak under the crown when it points away, over it when near.
        const auto peak = [&] {
            if (facing < -0.3)
                return;
            const double x = centre.x + sideways * radius * 0.82;
            const double width = radius * (0.35 + 0.45 * std::abs(facing));
            cairo_move_to(cairo, x - width, centre.y - radius * 0.5);
            cairo_curve_to(cairo, x - width * 0.6, centre.y - radius * 0.22, x + width * 0.6, centre.y - radius * 0.22,
                           x + width, centre.y - radius * 0.5);
            cairo_close_path(cairo);
            Outlined(cairo, colour::nightLight, colour::nightDeep);
        };
        if (facing < 0.0)
            peak();
        RoundedRectangle(cairo, centre.x - radius * 1.0, centre.y - radius * 0.78, radius * 2.0, radius * 0.34,
                         radius * 0.08);
        Outlined(cairo, colour::night, colour::nightDeep);
        Ellipse(cairo, centre.x - sideways * radius * 0.08, centre.y - radius * 0.92, radius * 1.14, radius * 0.36);
        Outlined(cairo, white, tone::stoneLight);
        if (facing >= 0.0)
            peak();
        if (facing > 0.1) {
            Circle(cairo, centre.x + sideways * radius * 0.9, centre.y - radius * 0.62, radius * 0.13);
            Outlined(cairo, colour::orangeLight, colour::orange, outlineUnits * 0.6);
        }
    }

    cairo_t* cairo;
    const FigureLook& look;
    const Pose& pose;
    View view;
    double headYaw; // the head's own turn
    PartList parts;
    double hipY = 0.0;
    double headY = 0.0;
    double shoulderY = 0.0;
};

} // namespace

void PuppetRig::Draw(cairo_t* cairo, Direction direction, const Pose& pose) const
{
    cairo_save(cairo);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    Frame frame(cairo, look, direction, pose);
    if (look.body == FigureLook::Body::drone)
        frame.DrawDrone();
    else
        frame.DrawPerson();
    cairo_restore(cairo);
}

} // namespace content::characters
