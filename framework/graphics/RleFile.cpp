#include "RleFile.h"

#include "ImageUtil.h"
#include "app/Debug.h"
#include "files/DataFile.h"
#include "files/File.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

class ByteWriter {
public:
    explicit ByteWriter(std::uint8_t* out) : bytes(out) {}

    template <typename Integer>
    void Put(Integer value)
    {
        for (std::size_t i = 0; i < sizeof(Integer); ++i)
            *bytes++ = static_cast<std::uint8_t>(static_cast<std::uint64_t>(value) >> (8 * i));
    }
    void Put(const std::uint8_t* from, std::size_t count)
    {
        std::memcpy(bytes, from, count);
        bytes += count;
    }

private:
    std::uint8_t* bytes;
};

class ByteReader {
public:
    explicit ByteReader(const std::uint8_t* in) : bytes(in) {}

    // Returns the value rather than filling a reference: the fields of the
    // packed structures are not aligned.
    template <typename Integer>
    Integer Get()
    {
        std::uint64_t result = 0;
        for (std::size_t i = 0; i < sizeof(Integer); ++i)
            result |= static_cast<std::uint64_t>(*bytes++) << (8 * i);
        return static_cast<Integer>(result);
    }
    void Get(std::uint8_t* to, std::size_t count)
    {
        std::memcpy(to, bytes, count);
        bytes += count;
    }

private:
    const std::uint8_t* bytes;
};

constexpr std::size_t headerSize = sizeof(RleFileHeader);
constexpr std::size_t recordSize = sizeof(RleFrameRecord);

bool Refuse(const char* name, const char* reason)
{
    LogError("RleFile::Read: Refused <%s>: %s.\n", name, reason);
    return false;
}

// The bytes a frame image stores in the file.
std::size_t StoredSize(const Image& image)
{
    if (image.IsEncoded())
        return static_cast<std::size_t>(std::max(image.GetEncodedSize(), 0));
    return Image::ComputeDataSize(image.GetWidth(), image.GetHeight(), image.GetDepth());
}

// A frame image from its stored bytes, checked against its size and format.
std::unique_ptr<Image> MakeFrameImage(std::span<const std::uint8_t> stored, int width, int height, int depth,
                                      bool encoded, const std::uint8_t* palette)
{
    auto image = std::make_unique<Image>();
    if (!image->Create(width, height, depth, false))
        return nullptr;
    if (encoded) {
        if (!ImageUtil::IsValidRunLengthData(stored, width, height, depth / 8))
            return nullptr;
        image->SetData(std::vector<std::uint8_t>(stored.begin(), stored.end()));
        image->SetEncoded(true, static_cast<int>(stored.size()));
    } else {
        if (stored.size() != Image::ComputeDataSize(width, height, depth))
            return nullptr;
        std::memcpy(image->GetData(), stored.data(), stored.size());
    }
    if (depth == 8)
        image->SetPalette(palette);
    return image;
}

// The art the frames are made from: the newest last write of the bitmap and
// of its alpha bitmap (when there is one), so that a change to either makes
// the file stale.
std::uint64_t SourceTime(const std::string& basePath)
{
    const std::string bitmap = basePath + ".bmp";
    const std::string alphaBitmap = basePath + "_alpha.bmp";
    const std::uint64_t time = File::GetFileTime(bitmap.c_str());
    if (!File::Exists(alphaBitmap.c_str()))
        return time;
    return std::max(time, File::GetFileTime(alphaBitmap.c_str()));
}

} // namespace

std::string RleFile::FileName(const std::string& basePath, const RleEncoding& encoding)
{
    return basePath + (encoding.mirrored ? ".mirrored.rle" : ".rle");
}

void RleFile::EncodeHeader(const RleFileHeader& header, std::uint8_t* bytes)
{
    ByteWriter out(bytes);
    out.Put(header.mark);
    out.Put(header.sourceTime);
    out.Put(header.palette, sizeof(header.palette));
    out.Put(header.alphaPalette, sizeof(header.alphaPalette));
    out.Put(header.fullWidth);
    out.Put(header.fullHeight);
    out.Put(header.depth);
    out.Put(header.encoded);
    out.Put(header.hasAlpha);
    out.Put(header.encoding);
    out.Put(header.frameCount);
}

void RleFile::DecodeHeader(const std::uint8_t* bytes, RleFileHeader& header)
{
    ByteReader in(bytes);
    header.mark = in.Get<decltype(header.mark)>();
    header.sourceTime = in.Get<decltype(header.sourceTime)>();
    in.Get(header.palette, sizeof(header.palette));
    in.Get(header.alphaPalette, sizeof(header.alphaPalette));
    header.fullWidth = in.Get<decltype(header.fullWidth)>();
    header.fullHeight = in.Get<decltype(header.fullHeight)>();
    header.depth = in.Get<decltype(header.depth)>();
    header.encoded = in.Get<decltype(header.encoded)>();
    header.hasAlpha = in.Get<decltype(header.hasAlpha)>();
    header.encoding = in.Get<decltype(header.encoding)>();
    header.frameCount = in.Get<decltype(header.frameCount)>();
}

void RleFile::EncodeRecord(const RleFrameRecord& record, std::uint8_t* bytes)
{
    ByteWriter out(bytes);
    out.Put(record.width);
    out.Put(record.height);
    out.Put(record.cropLeft);
    out.Put(record.cropTop);
    out.Put(record.cropRight);
    out.Put(record.cropBottom);
    out.Put(record.colorSize);
    out.Put(record.alphaSize);
}

void RleFile::DecodeRecord(const std::uint8_t* bytes, RleFrameRecord& record)
{
    ByteReader in(bytes);
    record.width = in.Get<decltype(record.width)>();
    record.height = in.Get<decltype(record.height)>();
    record.cropLeft = in.Get<decltype(record.cropLeft)>();
    record.cropTop = in.Get<decltype(record.cropTop)>();
    record.cropRight = in.Get<decltype(record.cropRight)>();
    record.cropBottom = in.Get<decltype(record.cropBottom)>();
    record.colorSize = in.Get<decltype(record.colorSize)>();
    record.alphaSize = in.Get<decltype(record.alphaSize)>();
}

bool RleFile::Write(const char* basePath, const RleEncoding& encoding, const RleFileContent& content)
{
    if (DataFile::GetInstance().IsAvailable()) {
        LogError("SpriteLoaderUtil::CreatePreEncodedData: Try to create pre-encoded data with loaded Onefile!\n");
        return false;
    }
    if (content.frames.empty())
        return false;
    const std::string base(basePath);
    const Image* first = content.frames.front().image.get();
    if (first == nullptr) {
        LogError("RleFile::Write: Frame 0 of <%s> has no image.\n", basePath);
        return false;
    }

    RleFileHeader header{};
    header.mark = mark;
    header.sourceTime = SourceTime(base);
    if (first->GetPalette() != nullptr)
        std::memcpy(header.palette, first->GetPalette(), sizeof(header.palette));
    const Image* firstAlpha = content.frames.front().alpha.get();
    if (content.hasAlpha && firstAlpha != nullptr && firstAlpha->GetPalette() != nullptr)
        std::memcpy(header.alphaPalette, firstAlpha->GetPalette(), sizeof(header.alphaPalette));
    header.fullWidth = content.fullWidth;
    header.fullHeight = content.fullHeight;
    header.depth = first->GetDepth();
    header.encoded = first->IsEncoded() ? 1 : 0;
    header.hasAlpha = content.hasAlpha ? 1 : 0;
    header.encoding = encoding.Bits();
    header.frameCount = static_cast<std::uint32_t>(content.frames.size());

    std::vector<std::uint8_t> bytes(headerSize);
    EncodeHeader(header, bytes.data());
    for (std::size_t index = 0; index < content.frames.size(); ++index) {
        const RleFrame& frame = content.frames[index];
        // Every frame is read back with frame 0's format, so they must share it.
        const bool fits = frame.image != nullptr && frame.image->GetDepth() == first->GetDepth() &&
                          frame.image->IsEncoded() == first->IsEncoded() &&
                          StoredSize(*frame.image) <= frame.image->GetBufferSize() &&
                          (!content.hasAlpha || (frame.alpha != nullptr && frame.alpha->GetDepth() == 8 &&
                                                 frame.alpha->GetWidth() == frame.image->GetWidth() &&
                                                 frame.alpha->GetHeight() == frame.image->GetHeight() &&
                                                 StoredSize(*frame.alpha) <= frame.alpha->GetBufferSize()));
        if (!fits) {
            LogError("RleFile::Write: Frame %zu of <%s> does not match frame 0.\n", index, basePath);
            return false;
        }
        RleFrameRecord record{};
        record.width = frame.image->GetWidth();
        record.height = frame.image->GetHeight();
        record.cropLeft = frame.crop.left;
        record.cropTop = frame.crop.top;
        record.cropRight = frame.crop.right;
        record.cropBottom = frame.crop.bottom;
        record.colorSize = static_cast<std::uint32_t>(StoredSize(*frame.image));
        record.alphaSize = content.hasAlpha ? static_cast<std::uint32_t>(StoredSize(*frame.alpha)) : 0;
        const std::size_t at = bytes.size();
        bytes.resize(at + recordSize);
        EncodeRecord(record, bytes.data() + at);
        bytes.insert(bytes.end(), frame.image->GetData(), frame.image->GetData() + record.colorSize);
        if (content.hasAlpha)
            bytes.insert(bytes.end(), frame.alpha->GetData(), frame.alpha->GetData() + record.alphaSize);
    }

    const std::string fileName = FileName(base, encoding);
    File file;
    if (!file.OpenDirect(fileName.c_str(), "wb")) {
        LogWarning("Failed to open file <%s>!\n", fileName.c_str());
        return false;
    }
    const bool written = file.Write(bytes.data(), static_cast<int>(bytes.size())) == static_cast<int>(bytes.size());
    const bool closed = file.Close();
    if (!written)
        LogError("RleFile::Write: Failed to write <%s>.\n", fileName.c_str());
    return written && closed;
}

bool RleFile::Read(const char* basePath, const RleEncoding& encoding, RleFileContent& content)
{
    content = RleFileContent();
    const std::string base(basePath);
    const std::string fileName = FileName(base, encoding);
    if (!File::Exists(fileName.c_str()))
        return false;
    File file;
    std::vector<std::uint8_t> bytes;
    if (!file.Open(fileName.c_str(), "rb") || !ImageUtil::ReadWholeFile(file, bytes) || bytes.size() < headerSize)
        return false;
    RleFileHeader header{};
    DecodeHeader(bytes.data(), header);
    if (!Matches(header, base, encoding))
        return false;
    return Parse(bytes, fileName.c_str(), content, header);
}

bool RleFile::Matches(const RleFileHeader& header, const std::string& basePath, const RleEncoding& encoding)
{
    if (header.mark != mark || header.frameCount != static_cast<std::uint32_t>(encoding.frameCount))
        return false;
    const bool encodingKnown = (header.encoding & RleEncoding::known) != 0;
    if (encodingKnown && header.encoding != encoding.Bits())
        return false;
    if (DataFile::GetInstance().IsAvailable())
        return true;
    const std::string bitmap = basePath + ".bmp";
    const std::string alphaBitmap = basePath + "_alpha.bmp";
    return encodingKnown && File::Exists(bitmap.c_str()) && header.sourceTime == SourceTime(basePath) &&
           (header.hasAlpha != 0) == File::Exists(alphaBitmap.c_str());
}

bool RleFile::ReadFile(const char* fileName, RleFileContent& content, RleFileHeader& header)
{
    File file;
    std::vector<std::uint8_t> bytes;
    if (!file.Open(fileName, "rb") || !ImageUtil::ReadWholeFile(file, bytes)) {
        LogWarning("Failed to open file <%s>!\n", fileName);
        return false;
    }
    return Parse(bytes, fileName, content, header);
}

bool RleFile::Parse(std::span<const std::uint8_t> bytes, const char* name, RleFileContent& content, RleFileHeader& header)
{
    content = RleFileContent();
    if (ParseLayout(bytes, name, content, header))
        return true;
    content = RleFileContent();
    return false;
}

bool RleFile::ParseLayout(std::span<const std::uint8_t> bytes, const char* name, RleFileContent& content,
                          RleFileHeader& header)
{
    if (bytes.size() < headerSize)
        return Refuse(name, "shorter than its header");
    DecodeHeader(bytes.data(), header);
    if (header.mark != mark)
        return Refuse(name, "no .rle mark");
    if (header.fullWidth <= 0 || header.fullHeight <= 0 || header.fullWidth > Image::maximumSide ||
        header.fullHeight > Image::maximumSide)
        return Refuse(name, "bad full frame size");
    if (header.depth != 8 && header.depth != 16 && header.depth != 24 && header.depth != 32)
        return Refuse(name, "bad depth");
    if (header.encoded > 1 || header.hasAlpha > 1)
        return Refuse(name, "bad flags");
    if (header.frameCount == 0 || header.frameCount > (bytes.size() - headerSize) / recordSize)
        return Refuse(name, "more frames than the file holds");

    content.hasAlpha = header.hasAlpha != 0;
    content.fullWidth = header.fullWidth;
    content.fullHeight = header.fullHeight;
    std::size_t position = headerSize;
    for (std::uint32_t index = 0; index < header.frameCount; ++index) {
        if (bytes.size() - position < recordSize)
            return Refuse(name, "a frame record is cut off");
        RleFrameRecord record{};
        DecodeRecord(bytes.data() + position, record);
        position += recordSize;
        const ImageRect crop{record.cropLeft, record.cropTop, record.cropRight, record.cropBottom};
        if (record.width <= 0 || record.height <= 0 ||
            static_cast<std::int64_t>(record.width) * record.height > decodeBufferPixels)
            return Refuse(name, "a frame larger than the decode buffer");
        if (crop.left < 0 || crop.top < 0 || crop.right >= header.fullWidth || crop.bottom >= header.fullHeight ||
            static_cast<std::int64_t>(crop.right) - crop.left + 1 != record.width ||
            static_cast<std::int64_t>(crop.bottom) - crop.top + 1 != record.height)
            return Refuse(name, "a crop rectangle outside the full frame");
        if (record.colorSize > bytes.size() - position || record.alphaSize > bytes.size() - position - record.colorSize)
            return Refuse(name, "frame data beyond the end of the file");
        if (!content.hasAlpha && record.alphaSize != 0)
            return Refuse(name, "alpha data without alpha");

        RleFrame frame;
        frame.crop = crop;
        frame.image = MakeFrameImage(bytes.subspan(position, record.colorSize), record.width, record.height, header.depth,
                                     header.encoded != 0, header.palette);
        if (!frame.image)
            return Refuse(name, "frame data that does not fill the frame");
        position += record.colorSize;
        if (content.hasAlpha) {
            frame.alpha = MakeFrameImage(bytes.subspan(position, record.alphaSize), record.width, record.height, 8,
                                         header.encoded != 0, header.alphaPalette);
            if (!frame.alpha)
                return Refuse(name, "alpha data that does not fill the frame");
            position += record.alphaSize;
        }
        content.frames.push_back(std::move(frame));
    }
    if (position != bytes.size())
        return Refuse(name, "bytes after the last frame");
    return true;
}
