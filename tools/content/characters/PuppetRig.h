#pragma once

// The puppet rig: one description of a figure (FigureLook) drawn in any of
// the game's eight directions and posed per frame (Pose), so that every
// animation of a character comes from the same parts.
//
// The figure is modelled in units: standing, it is 100 units from the soles
// (y = 0) to the top of its head (y = -100), y growing downwards as in
// cairo. Each part sits at a point of the body (u across the body, w
// forwards, y down) that the direction turns about the vertical axis and
// projects straight onto the screen, with the parts further from the
// viewer drawn first; a slight view from above lowers what is nearer. The
// parts are the shared look's rounded shapes in two-tone gradients inside
// the navy outline.

#include <cairo.h>

#include <cstdint>

namespace content::characters {

// The game's directions: 0 up (away from the viewer), clockwise to 7 left up.
enum class Direction { up, rightUp, right, rightDown, down, leftDown, left, leftUp };
constexpr int directionCount = 8;

struct FigureLook {
    enum class Body { person, drone };
    // A bald head has no hair but a shine on its crown.
    enum class Hair { crop, pigtails, fringe, slick, bald };
    // A vest is worn over a shirt (shirt, shirtShade), whose sleeves show.
    // A tabard too, down to the thighs and quartered: top, topShade above
    // on the figure's side 0 and below on side 1, quarter, quarterShade in
    // the other two, a falcon in accent on the chest. An apron (apron,
    // apronShade) hangs from the chest to the knees over a plain shirt in
    // top, topShade.
    enum class Garment { jacket, dress, coat, shirt, vest, tabard, apron };
    // The captain's white cap, a checkered flat cap with a short peak
    // (capColour, capShade, checks in capChecks), or a soft cap (capColour,
    // capShade) with a long feather (featherColour, featherShade) sweeping
    // back from its side 1.
    enum class Cap { none, captain, flat, feathered };

    Body body = Body::person;
    // Standing height at scale 1, in pixels.
    double heightPixels = 300.0;

    // Proportions in units.
    double headRadius = 11.5;
    double hipHeight = 46.0;
    double shoulderHalf = 10.5;
    double hipHalf = 5.5;
    double torsoDepth = 9.0;
    double belly = 0.0;     // how far a stout figure's middle bulges
    double limbWidth = 5.2; // arms and legs

    std::uint32_t skin = 0xFFDCBE;
    std::uint32_t skinShade = 0xEDB48E;
    std::uint32_t top = 0;      // jacket, dress, coat or shirt
    std::uint32_t topShade = 0;
    std::uint32_t legs = 0;     // trousers (skin under a dress)
    std::uint32_t legsShade = 0;
    std::uint32_t shoes = 0;
    std::uint32_t shoesLight = 0;
    std::uint32_t hair = 0;
    std::uint32_t hairShade = 0;
    std::uint32_t accent = 0;   // ribbons, buttons, pattern
    std::uint32_t shirt = 0;    // under a vest
    std::uint32_t shirtShade = 0;
    std::uint32_t capColour = 0;
    std::uint32_t capShade = 0;
    std::uint32_t capChecks = 0;
    // A cape from the shoulders to the calves: outside and lining.
    std::uint32_t capeColour = 0;
    std::uint32_t capeShade = 0;
    std::uint32_t liningColour = 0;
    std::uint32_t liningShade = 0;
    std::uint32_t quarter = 0;
    std::uint32_t quarterShade = 0;
    std::uint32_t apron = 0;
    std::uint32_t apronShade = 0;
    std::uint32_t featherColour = 0;
    std::uint32_t featherShade = 0;
    Hair hairStyle = Hair::crop;
    Garment garment = Garment::jacket;
    Cap cap = Cap::none;
    bool skinArms = false;      // short sleeves
    bool rolledSleeves = false; // long sleeves rolled up to the elbows
    bool sooty = false;         // soot on the bare forearms and hands
    bool goggles = false;
    bool beard = false;
    bool fullBeard = false;     // a big bushy one in the hair's colour, ear to ear
    bool stubble = false;
    bool moustache = false;     // a tiny one, in the hair's colour
    bool squareChin = false;
    bool grumpy = false;        // low brows and the mouth's corners down
    bool monocle = false;       // in the eye that a right-facing figure shows
    bool cape = false;
    bool highCollar = false;    // the cape's collar standing up behind the head
    bool camera = false;
    bool trumpet = false;       // a long brass trumpet with a banner, upright in the hand on side 1
    bool garland = false;
    bool bigSmile = false;
};

// One limb: an arm swings forwards from hanging down (pi is straight up),
// spreads out sideways and bends at the elbow; a leg puts its foot forwards
// and lifts it off the ground (the knee follows).
struct ArmPose {
    double swing = 0.0;
    double spread = 0.12;
    double bend = 0.2;
    double inwards = 0.0; // the forearm turned back towards the body (hands on the hips)
};
struct LegPose {
    double forward = 0.0;
    double lift = 0.0;
};

// Arms and legs: index 0 on the figure's side that is nearer to the viewer
// when it faces right, 1 on the other side.
struct Pose {
    ArmPose arms[2];
    LegPose legs[2];
    double rise = 0.0;     // the body up (units), as in a step or on tiptoe
    double crouch = 0.0;   // the hips down (units), the knees bend
    double lean = 0.0;     // the upper body forwards (radians)
    double headTurn = 0.0; // the head turned to the figure's side 0 (radians)
    double headTilt = 0.0; // the head tipped down (units)
    double mouth = 0.0;    // 0 closed to 1 wide open
    double blink = 0.0;    // 1 eyes shut
    double glow = 0.0;     // a drone's eye lit up, 0 to 1
};

class PuppetRig {
public:
    explicit PuppetRig(const FigureLook& figure) : look(figure) {}

    const FigureLook& Look() const { return look; }
    // Draws the figure with its soles' midpoint at the user-space origin,
    // one unit per user-space unit.
    void Draw(cairo_t* cairo, Direction direction, const Pose& pose) const;

private:
    FigureLook look;
};

} // namespace content::characters
