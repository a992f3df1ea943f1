// .rle files and run-length packets may be damaged or hostile. Two checks
// per input:
//   - the bytes as an .rle file: refused, or frames whose packets decode
//     into the decode buffer without leaving it;
//   - the bytes as packets of a small encoded image (first two bytes: width
//     and height): the decoder must stay inside the data and the picture,
//     succeed exactly on valid packets, and encoding then decoding the bytes
//     as pixels must give them back.

#include "FuzzFolder.h"
#include "app/Singleton.h"
#include "graphics/DirectDraw.h"
#include "graphics/ImageUtil.h"
#include "graphics/RleFile.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

void CheckRleFile()
{
    RleFileContent content;
    RleFileHeader header{};
    if (!RleFile::ReadFile("fuzz.rle", content, header))
        return;
    std::vector<std::uint32_t> pixels(RleFile::decodeBufferPixels);
    for (const RleFrame& frame : content.frames) {
        if (frame.image->IsEncoded() && frame.image->GetDepth() == 8 &&
            !ImageUtil::GetInstance().RunLengthDecode(*frame.image, frame.alpha.get(), pixels))
            std::abort(); // the reader let through packets the decoder refuses
    }
}

void CheckPackets(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return;
    const int width = data[0] % 64 + 1;
    const int height = data[1] % 16 + 1;
    const std::vector<std::uint8_t> packets(data + 2, data + size);
    ImageUtil& util = ImageUtil::GetInstance();

    Image image;
    image.Create(width, height, 8, true);
    image.SetData(packets);
    image.SetEncoded(true, static_cast<int>(packets.size()));
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * height));
    const bool decoded = util.RunLengthDecode(image, nullptr, pixels);
    util.RunLengthDecode(image, &image, pixels);
    util.RunLengthDecodeTinted(image, &image, pixels, 0x00804020);
    if (ImageUtil::IsValidRunLengthData(packets, width, height, 1) && !decoded)
        std::abort();

    // The same bytes as the pixels of an image, through encoder and decoder.
    if (packets.size() < static_cast<std::size_t>(width * height))
        return;
    Image plain;
    plain.Create(width, height, 8, true);
    std::copy(packets.begin(), packets.begin() + width * height, plain.GetData());
    if (!util.RunLengthEncode(plain) ||
        !ImageUtil::IsValidRunLengthData(std::span(plain.GetData(), plain.GetBufferSize()), width, height, 1) ||
        !util.RunLengthDecode(plain, nullptr, pixels))
        std::abort();
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::uint32_t grey = packets[i];
        if (pixels[i] != (grey == 0 ? 0u : 0xFF000000u | grey << 16 | grey << 8 | grey))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteFuzzInput("fuzz.rle", data, size);
    DirectDraw::GetInstance().UsePixelFormat(32, 0x00FF0000, 0x0000FF00, 0x000000FF);
    CheckRleFile();
    CheckPackets(data, size);
    SingletonRegistry::DestroyAll();
    return 0;
}
