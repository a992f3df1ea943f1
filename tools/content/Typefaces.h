#pragma once

// The DejaVu typefaces for cairo, each opened once and kept for the whole
// run: cairo keeps its own data about a FreeType face keyed by the face's
// address, so a face must never be freed while another could be opened at
// the same address.

#include <cairo.h>

namespace content {

// The folder holding the DejaVu typefaces.
const char* TypefaceFolder();

// The face of a file in that folder ("DejaVuSans-Bold.ttf"); null, with a
// message on standard error, when it cannot be read.
cairo_font_face_t* Typeface(const char* file);

// Selects the face at `size` pixels with grey antialiasing, slight hinting
// and unhinted metrics, the settings every drawn text uses.
void UseFace(cairo_t* context, cairo_font_face_t* face, double size);

} // namespace content
