#pragma once

// The intro's people: Juna and the twins Lotte and Mia as small cartoon
// figures, posed by a few angles so that a shot can move them.

#include <cairo.h>

namespace content::intro {

enum class Person { juna, lotte, mia };

// How a figure stands: the arm towards where it faces and the other arm,
// each turned from hanging down (0) forwards and up (pi is straight up);
// the mouth open 0 to 1.
struct Pose {
    double frontArm = 0.3;
    double backArm = -0.2;
    double mouth = 0.0;
};

// `person` standing on (x, y), facing right when `facing` is 1 and left
// when -1; at `scale` 1 the twins are 150 pixels tall and Juna 185.
void DrawPerson(cairo_t* cairo, Person person, double x, double y, double scale, double facing, const Pose& pose);

} // namespace content::intro
