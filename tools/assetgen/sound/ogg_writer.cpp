#include "sound/ogg_writer.hpp"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <stdexcept>

namespace sound {

namespace {

// Owns the libvorbis and libogg encoder state for one encode.
class TVorbisEncoder {
public:
    TVorbisEncoder(int rate, int serial, float quality) {
        vorbis_info_init(&info_);
        if (vorbis_encode_init_vbr(&info_, 1, rate, quality) != 0) {
            vorbis_info_clear(&info_);
            throw std::runtime_error("vorbis encoder refused its settings");
        }
        vorbis_comment_init(&comment_);
        vorbis_analysis_init(&dsp_, &info_);
        vorbis_block_init(&dsp_, &block_);
        ogg_stream_init(&stream_, serial);
    }
    ~TVorbisEncoder() {
        ogg_stream_clear(&stream_);
        vorbis_block_clear(&block_);
        vorbis_dsp_clear(&dsp_);
        vorbis_comment_clear(&comment_);
        vorbis_info_clear(&info_);
    }
    TVorbisEncoder(const TVorbisEncoder&) = delete;
    TVorbisEncoder& operator=(const TVorbisEncoder&) = delete;

    void writeHeaders() {
        ogg_packet identification;
        ogg_packet comments;
        ogg_packet codebooks;
        vorbis_analysis_headerout(&dsp_, &comment_, &identification, &comments, &codebooks);
        ogg_stream_packetin(&stream_, &identification);
        ogg_stream_packetin(&stream_, &comments);
        ogg_stream_packetin(&stream_, &codebooks);
        // Audio must start on a fresh page.
        flushPages();
    }

    void writeSamples(const TSignal& signal) {
        constexpr std::size_t chunk = 1024;
        for (std::size_t start = 0; start < signal.size(); start += chunk) {
            const std::size_t count = std::min(chunk, signal.size() - start);
            float** buffer = vorbis_analysis_buffer(&dsp_, static_cast<int>(count));
            for (std::size_t i = 0; i < count; ++i) {
                buffer[0][i] = static_cast<float>(signal[start + i]);
            }
            vorbis_analysis_wrote(&dsp_, static_cast<int>(count));
            drainBlocks();
        }
        vorbis_analysis_wrote(&dsp_, 0);
        drainBlocks();
        // Whatever the end-of-stream packet left behind.
        flushPages();
    }

    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    void drainBlocks() {
        while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
            vorbis_analysis(&block_, nullptr);
            vorbis_bitrate_addblock(&block_);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp_, &packet) != 0) {
                ogg_stream_packetin(&stream_, &packet);
                ogg_page page;
                while (ogg_stream_pageout(&stream_, &page) != 0) {
                    appendPage(page);
                }
            }
        }
    }

    void flushPages() {
        ogg_page page;
        while (ogg_stream_flush(&stream_, &page) != 0) {
            appendPage(page);
        }
    }

    void appendPage(const ogg_page& page) {
        bytes_.insert(bytes_.end(), page.header, page.header + page.header_len);
        bytes_.insert(bytes_.end(), page.body, page.body + page.body_len);
    }

    vorbis_info info_{};
    vorbis_comment comment_{};
    vorbis_dsp_state dsp_{};
    vorbis_block block_{};
    ogg_stream_state stream_{};
    std::vector<std::uint8_t> bytes_;
};

} // namespace

std::vector<std::uint8_t> encodeOggVorbisMono(const TSignal& signal, int rate, int serial, float quality) {
    TVorbisEncoder encoder(rate, serial, quality);
    encoder.writeHeaders();
    encoder.writeSamples(signal);
    return encoder.take();
}

} // namespace sound
