#include "tools/datagen/Ogg.h"

#include "tools/datagen/Common.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>

namespace datagen {

namespace {
void writePage(std::FILE* file, const ogg_page& page)
{
    std::fwrite(page.header, 1, static_cast<size_t>(page.header_len), file);
    std::fwrite(page.body, 1, static_cast<size_t>(page.body_len), file);
}
}  // namespace

void writeOgg(const std::string& path, const std::vector<float>& samples)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        fail("cannot write " + path);
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 1, kSampleRate, 0.5f) != 0)
        fail("the Vorbis encoder refused its settings");
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "ENCODER", "twinguard datagen");
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 0x7477696e);

    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &headerComment);
    ogg_stream_packetin(&stream, &headerCode);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page) != 0)
        writePage(file, page);

    const size_t chunk = 4096;
    size_t done = 0;
    bool eos = false;
    while (!eos) {
        const size_t n = std::min(chunk, samples.size() - done);
        if (n == 0) {
            vorbis_analysis_wrote(&dsp, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(n));
            for (size_t i = 0; i < n; ++i)
                buffer[0][i] = samples[done + i];
            vorbis_analysis_wrote(&dsp, static_cast<int>(n));
            done += n;
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                while (!eos && ogg_stream_pageout(&stream, &page) != 0) {
                    writePage(file, page);
                    if (ogg_page_eos(&page))
                        eos = true;
                }
            }
        }
        if (n == 0 && !eos) {
            // Everything is drained: flush what is left.
            while (ogg_stream_flush(&stream, &page) != 0)
                writePage(file, page);
            eos = true;
        }
    }
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    if (std::fclose(file) != 0)
        fail("cannot write " + path);
}

}  // namespace datagen
