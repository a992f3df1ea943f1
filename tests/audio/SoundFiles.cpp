#include "SoundFiles.h"

#include "audio/WavLoader.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

void PutUint32(std::string& bytes, std::size_t offset, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>(value >> (8 * i));
}

void PutUint16(std::string& bytes, std::size_t offset, std::uint16_t value)
{
    bytes[offset] = static_cast<char>(value);
    bytes[offset + 1] = static_cast<char>(value >> 8);
}

std::string Pcm16(const std::vector<std::int16_t>& samples)
{
    std::string bytes(samples.size() * 2, '\0');
    for (std::size_t i = 0; i < samples.size(); ++i)
        PutUint16(bytes, i * 2, static_cast<std::uint16_t>(samples[i]));
    return bytes;
}

std::string MakeWav(int rate, int channels, int bits, const std::string& pcm)
{
    const std::vector<std::uint8_t> bytes = WavLoader::Encode(
        rate, channels, bits, std::span(reinterpret_cast<const std::uint8_t*>(pcm.data()), pcm.size()));
    return std::string(bytes.begin(), bytes.end());
}

std::string MakeOgg(int rate, int channels, int frames)
{
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, rate, 0.3f) != 0)
        std::abort();
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1234);

    std::string file;
    ogg_page page;
    auto appendPage = [&file, &page] {
        file.append(reinterpret_cast<const char*>(page.header), static_cast<std::size_t>(page.header_len));
        file.append(reinterpret_cast<const char*>(page.body), static_cast<std::size_t>(page.body_len));
    };
    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    while (ogg_stream_flush(&stream, &page) != 0)
        appendPage();

    constexpr int chunk = 1024;
    for (int done = 0;; done += chunk) {
        const int count = std::min(chunk, frames - done);
        if (count > 0) {
            float** input = vorbis_analysis_buffer(&dsp, count);
            for (int i = 0; i < count; ++i)
                for (int c = 0; c < channels; ++c)
                    input[c][i] = 0.25f * static_cast<float>(std::sin((done + i) * 0.05 * (c + 1)));
            vorbis_analysis_wrote(&dsp, count);
        } else {
            vorbis_analysis_wrote(&dsp, 0);
        }
        ogg_packet packet;
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet) != 0) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0)
                    appendPage();
            }
        }
        if (count <= 0)
            break;
    }
    while (ogg_stream_flush(&stream, &page) != 0)
        appendPage();

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return file;
}
