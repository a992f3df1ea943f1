#include "platform/PixelRowLoops.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

using platform::PixelRowLoops;

namespace {

// Each instruction set this processor runs.
std::vector<const PixelRowLoops*> InstructionSets()
{
    std::vector<const PixelRowLoops*> sets{&PixelRowLoops::Baseline()};
    if (PixelRowLoops::Avx2() != nullptr)
        sets.push_back(PixelRowLoops::Avx2());
    return sets;
}

// Pixels of which about half are black, in runs and alone; many of the
// others have a single non-zero byte, in any place.
void FillPixels(std::uint8_t* bytes, int count, int bytesPerPixel, std::mt19937& random)
{
    for (int pixel = 0; pixel < count; ++pixel) {
        std::uint8_t* at = bytes + pixel * bytesPerPixel;
        const unsigned kind = random() % 4;
        for (int byte = 0; byte < bytesPerPixel; ++byte)
            at[byte] = kind < 3 ? 0 : static_cast<std::uint8_t>(random());
        if (kind == 2)
            at[random() % static_cast<unsigned>(bytesPerPixel)] = 1 + static_cast<std::uint8_t>(random() % 255);
        if (kind == 3 && pixel + 1 < count && random() % 2 == 0)
            std::memset(at, 0, static_cast<std::size_t>(bytesPerPixel)); // a longer black run
    }
}

// A buffer of exactly `size` bytes, so that the address checker sees any
// read past either end.
std::unique_ptr<std::uint8_t[]> Exact(std::size_t size)
{
    return std::make_unique<std::uint8_t[]>(size);
}

} // namespace

TEST(PixelRowLoops, KeyedCopyLeavesOutExactlyTheBlackPixels)
{
    std::mt19937 random(11);
    for (const PixelRowLoops* loops : InstructionSets())
        for (const int bytesPerPixel : {2, 3, 4})
            for (int width = 0; width < 1100; width += width < 140 ? 1 : 479)
                for (int offset = 0; offset < 4; ++offset) {
                    const auto stride = static_cast<std::size_t>(bytesPerPixel);
                    const std::size_t rowBytes = static_cast<std::size_t>(width) * stride;
                    const auto source = Exact(static_cast<std::size_t>(offset) * stride + rowBytes);
                    FillPixels(source.get(), offset + width, bytesPerPixel, random);
                    // Two pixels beyond the row must stay as they are.
                    std::vector<std::uint8_t> destination(static_cast<std::size_t>(offset + width + 2) * stride);
                    for (auto& byte : destination)
                        byte = static_cast<std::uint8_t>(random());
                    std::vector<std::uint8_t> expected = destination;
                    const std::uint8_t* from = source.get() + offset * stride;
                    for (std::size_t at = 0; at < rowBytes; at += stride) {
                        bool black = true;
                        for (std::size_t byte = 0; byte < stride; ++byte)
                            black = black && from[at + byte] == 0;
                        if (!black)
                            std::memcpy(expected.data() + offset * stride + at, from + at, stride);
                    }
                    loops->KeyedCopyFor(bytesPerPixel)(from, destination.data() + offset * stride, width);
                    ASSERT_EQ(destination, expected) << bytesPerPixel << " bytes, width " << width << ", offset " << offset
                                                     << (loops == &PixelRowLoops::Baseline() ? ", baseline" : ", AVX2");
                }
}

TEST(PixelRowLoops, StretchTakesThePixelAtEachFixedPointPosition)
{
    std::mt19937 random(12);
    const std::uint32_t steps[] = {0x10000, 0x8000, 0x5555, 0xC000, 0x1999, 0x14000, 0x28000, 0x3FFFF};
    const std::uint32_t starts[] = {0, 0x7FFF, 0x8000, 0x2A123};
    for (const PixelRowLoops* loops : InstructionSets())
        for (const int bytesPerPixel : {2, 3, 4})
            for (int width = 1; width < 1100; width += width < 70 ? 1 : 517)
                for (const std::uint32_t step : steps)
                    for (const std::uint32_t start : starts) {
                        const auto stride = static_cast<std::size_t>(bytesPerPixel);
                        const auto last = static_cast<std::size_t>((start + static_cast<std::uint64_t>(width - 1) * step) >> 16);
                        const auto source = Exact((last + 1) * stride);
                        for (std::size_t byte = 0; byte < (last + 1) * stride; ++byte)
                            source[byte] = static_cast<std::uint8_t>(random());
                        std::vector<std::uint8_t> destination(static_cast<std::size_t>(width + 1) * stride, 0xA5);
                        std::vector<std::uint8_t> expected = destination;
                        for (int x = 0; x < width; ++x) {
                            const auto index = static_cast<std::size_t>((start + static_cast<std::uint64_t>(x) * step) >> 16);
                            std::memcpy(expected.data() + static_cast<std::size_t>(x) * stride, source.get() + index * stride, stride);
                        }
                        loops->StretchFor(bytesPerPixel)(source.get(), destination.data(), width, start, step);
                        ASSERT_EQ(destination, expected) << bytesPerPixel << " bytes, width " << width << ", start " << start
                                                         << ", step " << step;
                    }
}

TEST(PixelRowLoops, ConvertsEvery16BitValueBySpreadingItsTopBits)
{
    // Five bits c widen to c * 8 + c / 4; 565 green is read as the five bits
    // at shift 6.
    const auto widen = [](std::uint32_t c) { return c * 8 + c / 4; };
    std::vector<std::uint16_t> values(65536);
    std::vector<std::uint32_t> expected565(values.size());
    std::vector<std::uint32_t> expected555(values.size());
    for (std::uint32_t value = 0; value < 65536; ++value) {
        values[value] = static_cast<std::uint16_t>(value);
        expected565[value] = widen(value >> 11) << 16 | widen((value >> 6) & 31) << 8 | widen(value & 31);
        expected555[value] = widen((value >> 10) & 31) << 16 | widen((value >> 5) & 31) << 8 | widen(value & 31);
    }
    for (const PixelRowLoops* loops : InstructionSets())
        for (const auto& [convert, expected] : {std::pair{loops->convert565, &expected565}, std::pair{loops->convert555, &expected555}}) {
            // The whole range in one row, then short rows at every alignment.
            std::vector<std::uint32_t> converted(values.size() + 1, 0xDEADBEEF);
            convert(values.data(), converted.data(), 65536);
            EXPECT_TRUE(std::equal(expected->begin(), expected->end(), converted.begin()));
            EXPECT_EQ(converted.back(), 0xDEADBEEFu);
            for (int start = 1; start < 40; ++start) {
                std::fill(converted.begin(), converted.end(), 0xDEADBEEF);
                convert(values.data() + start * 997, converted.data() + start, start);
                for (int x = 0; x < start; ++x)
                    ASSERT_EQ(converted[static_cast<std::size_t>(start + x)], (*expected)[static_cast<std::size_t>(start * 997 + x)]);
                EXPECT_EQ(converted[static_cast<std::size_t>(2 * start)], 0xDEADBEEFu);
            }
        }
}
