#pragma once

// The head as the puppet rig sees it in one frame, and the details of the
// head that only some figures have: the square jaw, stubble, a tiny
// moustache, grumpy brows, the monocle, the checkered flat cap, a full
// beard, a bald crown and a feathered cap. The rig
// draws the round head, face and hair itself and calls these in its order
// (PuppetRig.cpp): jaw with the head, stubble, brows, moustache and full
// beard with the face, the bald crown's shine instead of hair, monocle and
// caps last.

#include "characters/PuppetRig.h"

#include <cairo.h>

namespace content::characters {

// The width of the rig's outlines, in units.
inline constexpr double rigOutline = 0.8;

class HeadView {
public:
    // A point on the head's surface: where it lands on the screen and how
    // much it faces the viewer (1 straight on, below 0 turned away).
    struct Surface {
        double x;
        double y;
        double facing;
    };

    // The head's centre on the screen, its radius and its turn (0 facing
    // the viewer, a quarter turn facing right).
    HeadView(double x, double y, double radius, double yaw);

    // The point `angle` from the face round to the figure's side 1, `down`
    // below the head's centre, `out` times the radius from the middle.
    Surface On(double angle, double down, double out = 1.0) const;
    double X() const { return x; }
    double Y() const { return y; }
    double Radius() const { return radius; }
    double Facing() const { return facing; }
    double Sideways() const { return sideways; }

private:
    double x;
    double y;
    double radius;
    double yaw;
    double facing;
    double sideways;
};

// Adds the head's shape to the path: the round head, and with a square chin
// a broad jaw under it (both clockwise, to be filled as one).
void AddHeadShape(cairo_t* cairo, const HeadView& head, bool squareChin);
// A shadow of stubble over the jaw and chin, inside the head's shape.
void DrawStubble(cairo_t* cairo, const HeadView& head, bool squareChin);
// Heavy brows slanting down towards the nose.
void DrawGrumpyBrows(cairo_t* cairo, const HeadView& head, std::uint32_t hair);
// The closed mouth with its corners turned down.
void DrawFrown(cairo_t* cairo, const HeadView& head);
// Two small twirled tufts over the mouth.
void DrawMoustache(cairo_t* cairo, const HeadView& head, std::uint32_t light, std::uint32_t shade);
// A tin monocle in the eye on the figure's side 0, its gold chain hanging
// down to the collar.
void DrawMonocle(cairo_t* cairo, const HeadView& head);
// The flat cap: a soft crown in checks over a band, its short peak pointing
// where the head looks.
void DrawFlatCap(cairo_t* cairo, const HeadView& head, const FigureLook& look);
// A big bushy beard from ear to ear, hanging below the chin onto the chest,
// with a heavy moustache over the mouth.
void DrawFullBeard(cairo_t* cairo, const HeadView& head, std::uint32_t light, std::uint32_t shade);
// The light on a bald crown, and a few wrinkles across the forehead.
void DrawBaldCrown(cairo_t* cairo, const HeadView& head, std::uint32_t skinShade);
// A soft cap over a band, its puffed crown tipped towards the figure's
// side 1, and a long feather sweeping up and back from that side.
void DrawFeatheredCap(cairo_t* cairo, const HeadView& head, const FigureLook& look);

} // namespace content::characters
