#pragma once

#include "AlphaSpans.h"
#include "StillSprite.h"

#include <memory>
#include <vector>

// A static picture with an 8-bit alpha map, blended into the canvas: alpha 0
// leaves the canvas, 255 replaces it, anything between mixes per channel.
// The diffuse image is made in the screen's format from the picture, which
// is kept (see ScreenPicture) so that it is made again after the display
// changed its depth; the alpha map is 8-bit grey of the same size. Each row of the alpha map is cut once into spans when the
// sprite is made: clear stretches are left out of the drawing, opaque ones
// copied, and only the rest is blended.
class AlphaSprite final : public StillSprite {
public:
    // With crop only the union of the bounding rectangles of the picture and
    // of the alpha map is kept.
    bool Create(std::unique_ptr<Image> diffuse, std::unique_ptr<Image> alpha, int fullWidth, int fullHeight, int sourceX,
                int sourceY, bool crop);

    void Restore() override;
    void DrawEx(const DrawInfo& drawInfo) override;

private:
    void FindSpans();
    void Blend(const Placement& placement, std::uint8_t* canvas, int pitch, int depth) const;

    std::unique_ptr<Image> diffuse;
    std::unique_ptr<Image> alpha;
    std::vector<AlphaSpan> spans;
    std::vector<std::uint32_t> weights;
    // Row y's spans are spans[rowSpans[y]] up to spans[rowSpans[y + 1]].
    std::vector<std::uint32_t> rowSpans;
};
