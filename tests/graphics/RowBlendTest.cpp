// The row blends and the palette look-up on every canvas layout, in their
// SSE2 and AVX2 builds, against a plain loop written here from the drawing
// rules: per channel d + ((s - d) * a >> 8) with an arithmetic shift; the
// alpha sprites' rule (0 keeps, 255 writes) and the run-length sprites'
// (below 16 keeps, above 240 writes); a kept pixel stays whole, a 32-bit
// pixel's fourth byte always stays, and a written or mixed 16-bit pixel
// holds only its channels' bits. Many lengths and start offsets, so that
// vector bodies, their tails and unaligned starts all come up.

#include "graphics/AlphaSpans.h"
#include "graphics/ScreenPixels.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Layout {
    const char* name;
    int depth;
    int shiftR, shiftG, shiftB;
    std::uint32_t maskR, maskG, maskB;
};

constexpr Layout layouts[] = {
    {"565", 16, 11, 6, 0, 0xF800, 0x07E0, 0x001F},
    {"555", 16, 10, 5, 0, 0x7C00, 0x03E0, 0x001F},
    {"24", 24, 16, 8, 0, 0xFF0000, 0xFF00, 0xFF},
    {"32", 32, 16, 8, 0, 0xFF0000, 0xFF00, 0xFF},
    {"32 blue first", 32, 0, 8, 16, 0xFF, 0xFF00, 0xFF0000},
};

std::uint32_t Scramble(std::uint32_t value)
{
    value *= 0x9E3779B1u;
    value ^= value >> 15;
    value *= 0x85EBCA77u;
    return value ^ (value >> 13);
}

// The alphas every rule treats apart, then scrambled ones.
std::uint8_t AlphaAt(int i, int seed)
{
    constexpr std::uint8_t edges[] = {0, 1, 15, 16, 17, 128, 239, 240, 241, 254, 255};
    const auto pick = Scramble(static_cast<std::uint32_t>(i * 7 + seed));
    return pick % 3 == 0 ? edges[pick / 3 % std::size(edges)] : static_cast<std::uint8_t>(pick >> 8);
}

std::uint32_t ReadPixel(const std::uint8_t* pixel, int bytesPerPixel)
{
    std::uint32_t value = 0;
    std::memcpy(&value, pixel, static_cast<std::size_t>(bytesPerPixel));
    return value;
}

// One pixel by the rules: the canvas pixel after blending `source` with
// `alpha`, where `keeps` and `writes` say what the rule makes of it.
std::uint32_t ReferencePixel(const Layout& layout, std::uint32_t source, std::uint32_t canvas, int alpha, bool keeps, bool writes)
{
    if (keeps)
        return canvas;
    const bool sixteen = layout.depth == 16;
    std::uint32_t out = layout.depth == 32 ? canvas & ~(layout.maskR | layout.maskG | layout.maskB) : 0;
    if (writes && sixteen)
        return source;
    for (const auto& [shift, mask] : {std::pair{layout.shiftR, layout.maskR}, std::pair{layout.shiftG, layout.maskG},
                                      std::pair{layout.shiftB, layout.maskB}}) {
        const int s = static_cast<int>((source & mask) >> shift);
        const int d = static_cast<int>((canvas & mask) >> shift);
        const int mixed = writes ? s : d + (((s - d) * alpha) >> 8);
        out |= (static_cast<std::uint32_t>(mixed) << shift) & mask;
    }
    return out;
}

template <typename Rule>
void CheckRule(const Layout& layout, bool avx2, bool thresholds)
{
    const CanvasFormat format{layout.depth / 8, layout.shiftR, layout.shiftG, layout.shiftB, layout.maskR | layout.maskG | layout.maskB};
    const int bytesPerPixel = format.bytesPerPixel;
    const RowBlend blend(format, avx2);
    for (int count = 0; count <= 70; count += count < 20 ? 1 : 7) {
        for (int offset = 0; offset < 4; ++offset) {
            const int seed = count * 31 + offset;
            std::vector<std::uint8_t> colours(static_cast<std::size_t>(count + offset) * 4 + 4);
            std::vector<std::uint8_t> canvas(colours.size());
            for (std::size_t i = 0; i < colours.size(); ++i) {
                colours[i] = static_cast<std::uint8_t>(Scramble(static_cast<std::uint32_t>(i + seed * 1000)));
                canvas[i] = static_cast<std::uint8_t>(Scramble(static_cast<std::uint32_t>(i + seed * 1000 + 500)));
            }
            std::vector<std::uint8_t> alphas(static_cast<std::size_t>(count));
            std::vector<std::uint32_t> weights(alphas.size());
            for (int i = 0; i < count; ++i) {
                alphas[static_cast<std::size_t>(i)] = AlphaAt(i, seed);
                weights[static_cast<std::size_t>(i)] = Rule::Weight(alphas[static_cast<std::size_t>(i)]);
            }
            std::vector<std::uint8_t> expected = canvas;
            for (int i = 0; i < count; ++i) {
                const int a = alphas[static_cast<std::size_t>(i)];
                const bool keeps = thresholds ? a < 16 : a == 0;
                const bool writes = thresholds ? a > 240 : a == 255;
                const std::size_t at = static_cast<std::size_t>(offset + i) * static_cast<std::size_t>(bytesPerPixel);
                const std::uint32_t pixel = ReferencePixel(layout, ReadPixel(colours.data() + at, bytesPerPixel),
                                                           ReadPixel(canvas.data() + at, bytesPerPixel), a, keeps, writes);
                std::memcpy(expected.data() + at, &pixel, static_cast<std::size_t>(bytesPerPixel));
            }
            const std::size_t start = static_cast<std::size_t>(offset) * static_cast<std::size_t>(bytesPerPixel);
            blend(colours.data() + start, weights.data(), canvas.data() + start, count);
            ASSERT_EQ(canvas, expected) << layout.name << (avx2 ? ", AVX2" : ", SSE2") << (thresholds ? ", thresholds" : ", alpha map")
                                        << ", " << count << " pixels from " << offset;
        }
    }
}

TEST(RowBlendTest, BothBuildsBlendLikeThePlainRuleOnEveryLayout)
{
    std::vector<bool> builds{false};
    if (platform::HasAvx2())
        builds.push_back(true);
    for (const Layout& layout : layouts)
        for (const bool avx2 : builds) {
            CheckRule<AlphaMapRule>(layout, avx2, false);
            CheckRule<ThresholdRule>(layout, avx2, true);
        }
}

TEST(RowBlendTest, LookUpWritesEachPixelAndNothingPastTheLast)
{
    std::uint32_t palette[256];
    for (std::uint32_t entry = 0; entry < 256; ++entry)
        palette[entry] = Scramble(entry);
    for (const int bytesPerPixel : {2, 3, 4}) {
        const LookUpLoop lookUp = ChooseLookUp(bytesPerPixel);
        for (int count = 0; count <= 40; ++count) {
            std::vector<std::uint8_t> indices(static_cast<std::size_t>(count));
            for (int i = 0; i < count; ++i)
                indices[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(Scramble(static_cast<std::uint32_t>(i + count * 100)));
            std::vector<std::uint8_t> out(static_cast<std::size_t>(count * bytesPerPixel) + 8, 0xEE);
            lookUp(indices.data(), palette, out.data(), count);
            std::vector<std::uint8_t> expected(out.size(), 0xEE);
            for (int i = 0; i < count; ++i)
                std::memcpy(expected.data() + i * bytesPerPixel, &palette[indices[static_cast<std::size_t>(i)]],
                            static_cast<std::size_t>(bytesPerPixel));
            ASSERT_EQ(out, expected) << bytesPerPixel << " bytes a pixel, " << count << " pixels";
        }
    }
}

TEST(RowBlendTest, SpansLeaveOutLongClearStretchesAndCarryTheirWeights)
{
    // 10 clear, 3 opaque (too short for a span of its own), 5 between,
    // 9 opaque, 2 clear (kept in the mix), 1 between, 12 clear.
    std::vector<std::uint8_t> row;
    for (const auto& [count, alpha] : {std::pair{10, 0}, {3, 255}, {5, 100}, {9, 255}, {2, 0}, {1, 7}, {12, 0}})
        for (int i = 0; i < count; ++i)
            row.push_back(static_cast<std::uint8_t>(alpha));
    std::vector<AlphaSpan> spans;
    std::vector<std::uint32_t> weights;
    AppendAlphaSpans<AlphaMapRule>(row.data(), static_cast<int>(row.size()), spans, weights);
    ASSERT_EQ(spans.size(), 3u);
    EXPECT_EQ(spans[0].start, 10);
    EXPECT_EQ(spans[0].end, 18);
    EXPECT_FALSE(spans[0].opaque);
    EXPECT_EQ(spans[1].start, 18);
    EXPECT_EQ(spans[1].end, 27);
    EXPECT_TRUE(spans[1].opaque);
    EXPECT_EQ(spans[2].start, 27);
    EXPECT_EQ(spans[2].end, 30);
    EXPECT_FALSE(spans[2].opaque);
    const std::vector<std::uint32_t> expected{256, 256, 256, 100, 100, 100, 100, 100, 0, 0, 7};
    EXPECT_EQ(weights, expected);
    EXPECT_EQ(spans[0].weights, 0u);
    EXPECT_EQ(spans[2].weights, 8u);
}

} // namespace
