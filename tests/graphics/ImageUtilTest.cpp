#include "graphics/DirectDraw.h"
#include "graphics/ImageUtil.h"
#include "support/HeadlessTest.h"

#include <array>
#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void SetEntry(Image& image, int index, std::uint8_t blue, std::uint8_t green, std::uint8_t red, std::uint8_t fourth = 0)
{
    std::uint8_t* entry = image.GetPalette() + index * 4;
    entry[0] = blue;
    entry[1] = green;
    entry[2] = red;
    entry[3] = fourth;
}

Bytes Entry(const Image& image, int index)
{
    const std::uint8_t* entry = image.GetPalette() + index * 4;
    return Bytes(entry, entry + 4);
}

// An 8-bit image of one row with the given indices and the grey palette.
std::unique_ptr<Image> Row(const Bytes& indices)
{
    auto image = std::make_unique<Image>();
    image->Create(static_cast<int>(indices.size()), 1, 8, true);
    std::copy(indices.begin(), indices.end(), image->GetData());
    return image;
}

Bytes Encoded(const Image& image)
{
    return Bytes(image.GetData(), image.GetData() + image.GetEncodedSize());
}

// An encoded 8-bit image made from hand-written packets.
std::unique_ptr<Image> EncodedImage(int width, int height, const Bytes& packets)
{
    auto image = std::make_unique<Image>();
    image->Create(width, height, 8, true);
    image->SetData(packets);
    image->SetEncoded(true, static_cast<int>(packets.size()));
    return image;
}

} // namespace

// What the decoder makes of good packets (alpha maps, the rule, tint,
// rounding for 16 bits) is compared with reference loops through every sprite
// draw in SpritePixelTest; here the encoder's packets and the refusals.
class ImageUtilTest : public LoggedTest {
protected:
    ImageUtil& Util() { return ImageUtil::GetInstance(); }
    std::string Log() { return ReadFile("debug.txt"); }
};

TEST_F(ImageUtilTest, RemapLiftsNearBlackAndMakesMagentaTransparent)
{
    Image indexed;
    ASSERT_TRUE(indexed.Create(1, 1, 8, true));
    SetEntry(indexed, 1, 10, 12, 3);   // near black
    SetEntry(indexed, 2, 250, 3, 245); // magenta
    SetEntry(indexed, 3, 250, 10, 245); // too much green for magenta
    SetEntry(indexed, 4, 16, 0, 0);    // one channel at 16: not near black
    ASSERT_TRUE(Util().RemapTransparentColor(indexed));
    EXPECT_EQ(Entry(indexed, 0), (Bytes{16, 16, 16, 0})); // black itself is lifted too
    EXPECT_EQ(Entry(indexed, 1), (Bytes{16, 16, 16, 0}));
    EXPECT_EQ(Entry(indexed, 2), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(Entry(indexed, 3), (Bytes{250, 10, 245, 0}));
    EXPECT_EQ(Entry(indexed, 4), (Bytes{16, 0, 0, 0}));

    Image colour;
    ASSERT_TRUE(colour.Create(3, 1, 24, true));
    const Bytes pixels = {3, 7, 0, /**/ 255, 0, 240, /**/ 8, 0, 0};
    std::copy(pixels.begin(), pixels.end(), colour.GetData());
    ASSERT_TRUE(Util().RemapTransparentColor(colour));
    EXPECT_EQ(Bytes(colour.GetData(), colour.GetData() + 9), (Bytes{8, 8, 8, 0, 0, 0, 8, 0, 0}));

    Image other;
    ASSERT_TRUE(other.Create(1, 1, 16, true));
    EXPECT_FALSE(Util().RemapTransparentColor(other));
    ASSERT_EQ(Host().GetMessageBoxes().size(), 1u);
    EXPECT_EQ(Host().GetMessageBoxes()[0].second, "ImageUtil::RemapTransparentColor: unsupported depth");

    // The alpha variant only removes magenta.
    SetEntry(indexed, 1, 10, 12, 3);
    SetEntry(indexed, 2, 240, 7, 240);
    ASSERT_TRUE(Util().RemapTransparentColorAlpha(indexed));
    EXPECT_EQ(Entry(indexed, 1), (Bytes{10, 12, 3, 0}));
    EXPECT_EQ(Entry(indexed, 2), (Bytes{0, 0, 0, 0}));
    EXPECT_FALSE(Util().RemapTransparentColorAlpha(colour));
    EXPECT_TRUE(Contains(Log(), "***WARNING: ImageUtil::RemapTransparentColorAlpha: Only 8Bit Images allowed!\n"));
}

TEST_F(ImageUtilTest, MaskBlackensSetBitsOnly)
{
    Image colour;
    ASSERT_TRUE(colour.Create(3, 2, 24, true));
    std::fill(colour.GetData(), colour.GetData() + 18, 0xAA);
    Image mask;
    ASSERT_TRUE(mask.Create(3, 2, 1, true));
    mask.SetPixel(1, 0, 0);
    mask.SetPixel(2, 1, 0);
    ASSERT_TRUE(Util().ApplyMask(colour, mask));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(colour.GetPixel(x, y), (x == 1 && y == 0) || (x == 2 && y == 1) ? 0u : 0xAAAAAAu);

    Image small;
    ASSERT_TRUE(small.Create(2, 2, 1, true));
    EXPECT_FALSE(Util().ApplyMask(colour, small));
    EXPECT_TRUE(Contains(Log(), "***ERROR: Mask size must fit image size.\n"));
}

TEST_F(ImageUtilTest, CopyRectCopiesTheInclusiveRectangleAndRefusesWhatDoesNotFit)
{
    Image source;
    ASSERT_TRUE(source.Create(4, 3, 8, true));
    for (int i = 0; i < 12; ++i)
        source.GetData()[i] = static_cast<std::uint8_t>(i + 1);
    Image destination;
    ASSERT_TRUE(destination.Create(3, 3, 8, true));
    ASSERT_TRUE(Util().CopyRect(source, destination, {1, 1, 2, 2}, 1, 0));
    EXPECT_EQ(Bytes(destination.GetData(), destination.GetData() + 9), (Bytes{0, 6, 7, 0, 10, 11, 0, 0, 0}));

    EXPECT_FALSE(Util().CopyRect(source, destination, {0, 0, 3, 0}, 1, 0)); // four wide into three
    EXPECT_FALSE(Util().CopyRect(source, destination, {2, 0, 4, 0}, 0, 0)); // past the source
    EXPECT_TRUE(Contains(Log(), "***ERROR: Src image rect dimensions do not fit to destination.\n"));

    Image colour;
    ASSERT_TRUE(colour.Create(3, 3, 24, true));
    EXPECT_FALSE(Util().CopyRect(source, colour, {0, 0, 0, 0}, 0, 0));
    EXPECT_TRUE(Contains(Log(), "***ERROR: Image depths are different. Cant copy.\n"));

    Image mask;
    ASSERT_TRUE(mask.Create(10, 2, 1, true));
    mask.SetPixel(8, 1, 0);
    Image maskCopy;
    ASSERT_TRUE(maskCopy.Create(3, 1, 1, true));
    ASSERT_TRUE(Util().CopyRect(mask, maskCopy, {7, 1, 9, 1}, 0, 0));
    EXPECT_EQ(maskCopy.GetPixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(maskCopy.GetPixel(1, 0), 0u);
    EXPECT_EQ(maskCopy.GetPixel(2, 0), 0xFFFFFFu);

    EXPECT_FALSE(Util().CopyRect(mask, source, {0, 0, 1, 1}, 0, 0));
    EXPECT_TRUE(Contains(Log(), "***ERROR: source Image depth of 1 is not supported.\n"));
    platform::WindowMessage message;
    ASSERT_TRUE(Window().PeekMessage(message));
    EXPECT_EQ(message.type, platform::MessageType::Quit);
}

TEST_F(ImageUtilTest, BoundingRectCoversEveryPixelThatIsNotBlack)
{
    Image image;
    ASSERT_TRUE(image.Create(6, 4, 8, true));
    EXPECT_EQ(Util().GetBoundingRect(image), (ImageRect{3, 2, 3, 2}));
    image.GetData()[1 * 6 + 4] = 9;
    image.GetData()[3 * 6 + 2] = 1;
    EXPECT_EQ(Util().GetBoundingRect(image), (ImageRect{2, 1, 4, 3}));
}

TEST_F(ImageUtilTest, RunStartNeedsFourPixelsOfOneColour)
{
    EXPECT_EQ(Util().FindRunStart(*Row({1, 2, 2, 2, 2, 3}), 0, 0), 1);
    EXPECT_EQ(Util().FindRunStart(*Row({1, 2, 2, 2, 2, 3}), 2, 0), 6); // only three left from x = 2
    EXPECT_EQ(Util().FindRunStart(*Row({1, 1, 1, 2, 2, 2}), 0, 0), 6);
    // Colours count, not indices: two indices of one colour make a run.
    const std::unique_ptr<Image> twinsOwner = Row({5, 6, 5, 6});
    Image& twins = *twinsOwner;
    SetEntry(twins, 6, 5, 5, 5);
    EXPECT_EQ(Util().FindRunStart(twins, 0, 0), 0);
}

TEST_F(ImageUtilTest, EncodingSplitsRunsAndLiteralsAtOneHundredTwentySeven)
{
    const std::unique_ptr<Image> equalOwner = Row(Bytes(300, 9));
    Image& equal = *equalOwner;
    ASSERT_TRUE(Util().RunLengthEncode(equal));
    EXPECT_TRUE(equal.IsEncoded());
    EXPECT_EQ(Encoded(equal), (Bytes{127, 9, 127, 9, 46, 9}));

    Bytes distinct(200);
    for (int i = 0; i < 200; ++i)
        distinct[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    const std::unique_ptr<Image> literalOwner = Row(distinct);
    Image& literal = *literalOwner;
    ASSERT_TRUE(Util().RunLengthEncode(literal));
    Bytes expected = {static_cast<std::uint8_t>(-127)};
    expected.insert(expected.end(), distinct.begin(), distinct.begin() + 127);
    expected.push_back(static_cast<std::uint8_t>(-73));
    expected.insert(expected.end(), distinct.begin() + 127, distinct.end());
    EXPECT_EQ(Encoded(literal), expected);
    EXPECT_EQ(literal.GetEncodedSize(), 202);

    const std::unique_ptr<Image> threeOwner = Row({5, 5, 5, 1, 2, 3});
    Image& three = *threeOwner;
    ASSERT_TRUE(Util().RunLengthEncode(three));
    EXPECT_EQ(Encoded(three), (Bytes{static_cast<std::uint8_t>(-6), 5, 5, 5, 1, 2, 3}));

    const std::unique_ptr<Image> mixedOwner = Row({1, 2, 7, 7, 7, 7, 7, 3});
    Image& mixed = *mixedOwner;
    ASSERT_TRUE(Util().RunLengthEncode(mixed));
    EXPECT_EQ(Encoded(mixed), (Bytes{static_cast<std::uint8_t>(-2), 1, 2, 5, 7, static_cast<std::uint8_t>(-1), 3}));

    // Packets stop at the end of each row, even where the next row goes on
    // in the same colour.
    Image rows;
    ASSERT_TRUE(rows.Create(3, 2, 8, true));
    std::fill(rows.GetData(), rows.GetData() + 6, 4);
    ASSERT_TRUE(Util().RunLengthEncode(rows));
    const std::uint8_t minusThree = static_cast<std::uint8_t>(-3);
    EXPECT_EQ(Encoded(rows), (Bytes{minusThree, 4, 4, 4, minusThree, 4, 4, 4}));

    // Pixels of more bytes are copied whole.
    Image colour;
    ASSERT_TRUE(colour.Create(5, 1, 24, true));
    const Bytes pixels = {1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3, 7, 8, 9};
    std::copy(pixels.begin(), pixels.end(), colour.GetData());
    ASSERT_TRUE(Util().RunLengthEncode(colour));
    EXPECT_EQ(Encoded(colour), (Bytes{4, 1, 2, 3, static_cast<std::uint8_t>(-1), 7, 8, 9}));
}

TEST_F(ImageUtilTest, DecodeRefusesPacketsThatLeaveTheRowOrTheData)
{
    DirectDraw::GetInstance().UsePixelFormat(32, 0x00FF0000, 0x0000FF00, 0x000000FF);
    std::array<std::uint32_t, 6> pixels{};
    const std::uint8_t minusTwo = static_cast<std::uint8_t>(-2);
    const std::vector<Bytes> damaged = {
        {4, 1, 3, 1},                 // a run of four in a row of three
        {3, 1, minusTwo, 1},          // the second row's literal is cut off
        {3, 1},                       // no second row
        {0, 3, 1, 3, 1},              // a zero header
        {minusTwo, 1, 2, 2, 1, 3, 1}, // a literal then a run past the row
    };
    for (const Bytes& packets : damaged) {
        const std::unique_ptr<Image> imageOwner = EncodedImage(3, 2, packets);
        Image& image = *imageOwner;
        EXPECT_FALSE(Util().RunLengthDecode(image, nullptr, pixels));
        EXPECT_FALSE(ImageUtil::IsValidRunLengthData(packets, 3, 2, 1));
    }
    EXPECT_TRUE(Contains(Log(),
                         "***ERROR: ImageUtil::RunLengthDecode: The encoded data of row 0 does not fit the image.\n"));

    const std::unique_ptr<Image> goodOwner = EncodedImage(3, 2, {3, 1, 3, 2});
    Image& good = *goodOwner;
    EXPECT_TRUE(ImageUtil::IsValidRunLengthData(Bytes{3, 1, 3, 2}, 3, 2, 1));
    EXPECT_FALSE(ImageUtil::IsValidRunLengthData(Bytes{3, 1, 3, 2, 0}, 3, 2, 1)); // a byte left over

    // Row starts: where each row's packets begin, nothing when a packet
    // leaves its row or the data (a byte left over after the last row is
    // the decoder's business, as there).
    EXPECT_EQ(ImageUtil::FindRowStarts(Bytes{3, 1, 0xFE, 4, 5, 1, 6}, 3, 2, 1), (std::vector<std::uint32_t>{0, 2}));
    EXPECT_EQ(ImageUtil::FindRowStarts(Bytes{3, 1, 3, 2, 0}, 3, 2, 1), (std::vector<std::uint32_t>{0, 2}));
    EXPECT_TRUE(ImageUtil::FindRowStarts(Bytes{4, 1, 3, 2}, 3, 2, 1).empty());   // a run past the row
    EXPECT_TRUE(ImageUtil::FindRowStarts(Bytes{3, 1, 0xFD, 1, 2}, 3, 2, 1).empty()); // a literal past the data
    EXPECT_TRUE(ImageUtil::FindRowStarts(Bytes{3, 1, 0, 3, 2}, 3, 2, 1).empty());  // a zero header
    // The packets of a row one at a time.
    const Bytes mixed{2, 7, 0xFF, 9};
    RunLengthRowReader reader(mixed, 1);
    reader.BeginRow(3);
    RunLengthPacket packet;
    ASSERT_TRUE(reader.Next(packet));
    EXPECT_TRUE(packet.run);
    EXPECT_EQ(packet.x, 0);
    EXPECT_EQ(packet.count, 2);
    EXPECT_EQ(*packet.pixels, 7);
    ASSERT_TRUE(reader.Next(packet));
    EXPECT_FALSE(packet.run);
    EXPECT_EQ(packet.x, 2);
    EXPECT_EQ(packet.count, 1);
    EXPECT_EQ(*packet.pixels, 9);
    EXPECT_FALSE(reader.Next(packet));
    EXPECT_FALSE(reader.Failed());
    EXPECT_TRUE(reader.AtEnd());
    reader.BeginRow(3);
    EXPECT_FALSE(reader.Next(packet)); // no data left for a second row
    EXPECT_TRUE(reader.Failed());
    std::array<std::uint32_t, 5> tooSmall{};
    EXPECT_FALSE(Util().RunLengthDecode(good, nullptr, tooSmall));
    const std::unique_ptr<Image> unencodedOwner = Row({1, 2, 3});
    Image& unencoded = *unencodedOwner;
    EXPECT_FALSE(Util().RunLengthDecode(unencoded, nullptr, pixels));
    const std::unique_ptr<Image> otherSizeOwner = EncodedImage(2, 2, {2, 1, 2, 1});
    Image& otherSize = *otherSizeOwner;
    EXPECT_FALSE(Util().RunLengthDecode(good, &otherSize, pixels));
}
