#include "OggEncoder.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>

namespace content {

std::vector<std::uint8_t> EncodeOggVorbis(std::span<const float> interleaved, int channels, int rate, float quality)
{
    // Any fixed number: the same samples must give the same file.
    constexpr int serialNumber = 0x5A455048;
    constexpr int chunkFrames = 4096;

    vorbis_info info;
    vorbis_info_init(&info);
    if (channels < 1 || vorbis_encode_init_vbr(&info, channels, rate, quality) != 0) {
        vorbis_info_clear(&info);
        return {};
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, serialNumber);

    std::vector<std::uint8_t> file;
    ogg_page page;
    auto appendPage = [&file, &page] {
        file.insert(file.end(), page.header, page.header + page.header_len);
        file.insert(file.end(), page.body, page.body + page.body_len);
    };
    ogg_packet header;
    ogg_packet commentHeader;
    ogg_packet codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    while (ogg_stream_flush(&stream, &page) != 0)
        appendPage();

    const auto width = static_cast<std::size_t>(channels);
    const std::size_t frames = interleaved.size() / width;
    for (std::size_t done = 0;;) {
        const std::size_t count = std::min<std::size_t>(chunkFrames, frames - done);
        if (count > 0) {
            float** input = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
            for (std::size_t frame = 0; frame < count; ++frame)
                for (std::size_t channel = 0; channel < width; ++channel)
                    input[channel][frame] = interleaved[(done + frame) * width + channel];
        }
        // Zero frames written marks the end of the stream.
        vorbis_analysis_wrote(&dsp, static_cast<int>(count));
        done += count;
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) != 0) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0)
                    appendPage();
            }
        }
        if (count == 0)
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

} // namespace content
