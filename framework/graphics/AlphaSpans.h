#pragma once

// Rows of alpha cut, once when a sprite is made, into the spans its draws
// visit: clear stretches are left out, long opaque ones copied, the rest
// blended by the rows of ScreenPixels.h, whose weights (0 to 256, by the
// sprite's alpha rule) are worked out here once too.

#include <cstdint>
#include <vector>

// Columns [start, end) of a row: all opaque, or a mix to blend (which may
// hold short clear or opaque stretches) whose pixels' weights start at
// `weights` in the sprite's list of them.
struct AlphaSpan {
    int start;
    int end;
    bool opaque;
    std::uint32_t weights;
};

// Appends the spans of one row of `width` alphas, and the weights of its
// mixed spans.
template <typename Rule>
void AppendAlphaSpans(const std::uint8_t* alphas, int width, std::vector<AlphaSpan>& spans, std::vector<std::uint32_t>& weights)
{
    // Clear or opaque stretches shorter than this stay in the mix, whose
    // loop handles them as well: a span costs more than a few pixels.
    constexpr int shortestStretch = 8;
    const auto kind = [](std::uint8_t alpha) {
        const std::uint32_t weight = Rule::Weight(alpha);
        return weight == 0 ? 0 : weight == 256 ? 1 : 2;
    };
    const std::size_t rowStart = spans.size();
    int x = 0;
    while (x < width) {
        const int thisKind = kind(alphas[x]);
        int end = x + 1;
        while (end < width && kind(alphas[end]) == thisKind)
            ++end;
        const bool keepsItsKind = thisKind == 2 || end - x >= shortestStretch;
        if (thisKind == 0 && keepsItsKind) {
            x = end;
            continue;
        }
        const bool opaque = thisKind == 1 && keepsItsKind;
        if (!opaque && spans.size() > rowStart && !spans.back().opaque && spans.back().end == x)
            spans.back().end = end; // joins the mix before it
        else
            spans.push_back(AlphaSpan{x, end, opaque, static_cast<std::uint32_t>(weights.size())});
        if (!opaque)
            for (int i = x; i < end; ++i)
                weights.push_back(Rule::Weight(alphas[i]));
        x = end;
    }
}
