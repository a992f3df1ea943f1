#pragma once

// Rocko's yellow space taxi as the rooms show it: its body with the
// checkered band, the canopy, the roof cannon and roof light, the nozzle at
// the back, the door and the number plate. Drawn in the taxi's own units
// (160 long, nose to the right, centred on the body's middle), so a room
// places, turns and scales it and adds the landing legs it stands on.

#include <cairo.h>

namespace content::rooms {

// How the taxi has fared: whole and parked, or just come down hard out of
// the time hole (the roof light knocked askew, the canopy cracked, the nose
// dented).
enum class TaxiState { parked, crashed };

// The taxi's body and all on it, the legs left out. Its bottom edge is at
// y 32; legs hang from y 20.
void DrawRockoTaxiBody(cairo_t* cairo, TaxiState state);

// The taxi parked on its two landing legs, in the body's units.
void DrawParkedRockoTaxi(cairo_t* cairo);

// A landing leg of the parked taxi hanging from (x, 20), splayed outwards
// to its foot pad at y 56 to 62: `side` -1 towards the back, 1 the nose.
void DrawRockoTaxiLeg(cairo_t* cairo, double x, double side);

} // namespace content::rooms
