#include "ClipDecoder.h"

#include "platform/CourseError.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace ClipDecoder {
namespace {

struct TMemoryInput {
    const QByteArray* bytes;
    qint64 position = 0;
};

int ReadPacket(void* opaque, uint8_t* buffer, int size)
{
    auto* input = static_cast<TMemoryInput*>(opaque);
    const qint64 left = input->bytes->size() - input->position;
    if (left <= 0)
        return AVERROR_EOF;
    const int count = static_cast<int>(std::min<qint64>(left, size));
    std::memcpy(buffer, input->bytes->constData() + input->position, static_cast<size_t>(count));
    input->position += count;
    return count;
}

int64_t Seek(void* opaque, int64_t offset, int whence)
{
    auto* input = static_cast<TMemoryInput*>(opaque);
    const qint64 size = input->bytes->size();
    qint64 target = 0;
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
        return size;
    case SEEK_SET:
        target = offset;
        break;
    case SEEK_CUR:
        target = input->position + offset;
        break;
    case SEEK_END:
        target = size + offset;
        break;
    default:
        return -1;
    }
    if (target < 0 || target > size)
        return -1;
    input->position = target;
    return target;
}

struct TIoDeleter {
    void operator()(AVIOContext* io) const
    {
        av_freep(&io->buffer);
        avio_context_free(&io);
    }
};
struct TFormatDeleter {
    void operator()(AVFormatContext* format) const { avformat_close_input(&format); }
};
struct TCodecDeleter {
    void operator()(AVCodecContext* codec) const { avcodec_free_context(&codec); }
};
struct TFrameDeleter {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct TPacketDeleter {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct TScalerDeleter {
    void operator()(SwsContext* scaler) const { sws_freeContext(scaler); }
};

class TDecoding {
public:
    TDecoding(const QByteArray& bytes, const QString& name) : input_{&bytes}, name_(name) {}

    TClip Run()
    {
        OpenContainer();
        OpenDecoder();
        ReadFrames();
        if (clip_.frames.empty())
            Fail();
        // The header counts the frames: fewer decoded ones mean a cut or damaged file.
        if (expectedFrames_ > 0 && static_cast<qint64>(clip_.frames.size()) < expectedFrames_)
            Fail();
        return std::move(clip_);
    }

private:
    [[noreturn]] void Fail() const { throw TCourseError(QString("Cannot open AVI \"%1\".").arg(name_)); }

    void OpenContainer()
    {
        constexpr int BufferSize = 32 * 1024;
        auto* buffer = static_cast<unsigned char*>(av_malloc(BufferSize));
        if (!buffer)
            Fail();
        io_.reset(avio_alloc_context(buffer, BufferSize, 0, &input_, ReadPacket, nullptr, Seek));
        if (!io_) {
            av_free(buffer);
            Fail();
        }
        AVFormatContext* format = avformat_alloc_context();
        if (!format)
            Fail();
        format->pb = io_.get();
        format->flags |= AVFMT_FLAG_CUSTOM_IO;
        // Only the AVI reader ever looks at the bytes; on failure it frees the context itself.
        if (avformat_open_input(&format, nullptr, av_find_input_format("avi"), nullptr) < 0)
            Fail();
        format_.reset(format);

        const int index = av_find_best_stream(format_.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
        if (index < 0)
            Fail();
        stream_ = format_->streams[index];
        const AVCodecParameters* parameters = stream_->codecpar;
        if (parameters->width < 1 || parameters->height < 1 || parameters->width > MaxSide
            || parameters->height > MaxSide)
            Fail();
        size_ = QSize(parameters->width, parameters->height);
        expectedFrames_ = stream_->nb_frames;
        clip_.framesPerSecond = FrameRate();
    }

    int FrameRate() const
    {
        AVRational rate = stream_->avg_frame_rate;
        if (rate.num <= 0 || rate.den <= 0)
            rate = stream_->r_frame_rate;
        if (rate.num <= 0 || rate.den <= 0)
            rate = av_inv_q(stream_->time_base);
        if (rate.num <= 0 || rate.den <= 0)
            return 15;
        return std::clamp(static_cast<int>(std::lround(av_q2d(rate))), 1, 60);
    }

    void OpenDecoder()
    {
        const AVCodec* decoder = avcodec_find_decoder(stream_->codecpar->codec_id);
        if (!decoder)
            Fail();
        codec_.reset(avcodec_alloc_context3(decoder));
        if (!codec_ || avcodec_parameters_to_context(codec_.get(), stream_->codecpar) < 0)
            Fail();
        codec_->thread_count = 1;
        // A slice whose checksum fails makes the frame, and so the clip, an error.
        codec_->err_recognition = AV_EF_CRCCHECK | AV_EF_EXPLODE;
        if (avcodec_open2(codec_.get(), decoder, nullptr) < 0)
            Fail();
        frame_.reset(av_frame_alloc());
        packet_.reset(av_packet_alloc());
        if (!frame_ || !packet_)
            Fail();
    }

    void ReadFrames()
    {
        for (;;) {
            const int result = av_read_frame(format_.get(), packet_.get());
            if (result == AVERROR_EOF)
                break;
            if (result < 0)
                Fail();
            const bool ours = packet_->stream_index == stream_->index;
            const int sent = ours ? avcodec_send_packet(codec_.get(), packet_.get()) : 0;
            av_packet_unref(packet_.get());
            if (sent < 0)
                Fail();
            if (ours)
                ReceiveFrames();
        }
        if (avcodec_send_packet(codec_.get(), nullptr) < 0)
            Fail();
        ReceiveFrames();
    }

    void ReceiveFrames()
    {
        for (;;) {
            const int result = avcodec_receive_frame(codec_.get(), frame_.get());
            if (result == AVERROR(EAGAIN) || result == AVERROR_EOF)
                return;
            if (result < 0)
                Fail();
            Keep(*frame_);
            av_frame_unref(frame_.get());
        }
    }

    void Keep(const AVFrame& frame)
    {
        if ((frame.flags & AV_FRAME_FLAG_CORRUPT) || frame.decode_error_flags)
            Fail();
        if (frame.width < 1 || frame.height < 1 || frame.width > MaxSide || frame.height > MaxSide)
            Fail();
        decodedPixels_ += static_cast<qint64>(size_.width()) * size_.height();
        if (decodedPixels_ > MaxDecodedPixels || clip_.frames.size() >= static_cast<size_t>(MaxFrames))
            Fail();
        scaler_.reset(sws_getCachedContext(scaler_.release(), frame.width, frame.height,
            static_cast<AVPixelFormat>(frame.format), size_.width(), size_.height(), AV_PIX_FMT_RGB32,
            SWS_POINT, nullptr, nullptr, nullptr));
        if (!scaler_)
            Fail();
        QImage image(size_, QImage::Format_RGB32);
        if (image.isNull())
            Fail();
        uint8_t* target[4] = {image.bits(), nullptr, nullptr, nullptr};
        const int targetStride[4] = {static_cast<int>(image.bytesPerLine()), 0, 0, 0};
        if (sws_scale(scaler_.get(), frame.data, frame.linesize, 0, frame.height, target, targetStride) <= 0)
            Fail();
        // Clips are opaque: the top byte must read 0xff whatever the source said about alpha.
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] |= 0xff000000u;
        }
        clip_.frames.push_back(std::move(image));
    }

    TMemoryInput input_;
    QString name_;
    std::unique_ptr<AVIOContext, TIoDeleter> io_;
    std::unique_ptr<AVFormatContext, TFormatDeleter> format_;
    std::unique_ptr<AVCodecContext, TCodecDeleter> codec_;
    std::unique_ptr<AVFrame, TFrameDeleter> frame_;
    std::unique_ptr<AVPacket, TPacketDeleter> packet_;
    std::unique_ptr<SwsContext, TScalerDeleter> scaler_;
    AVStream* stream_ = nullptr;
    QSize size_;
    qint64 expectedFrames_ = 0;
    qint64 decodedPixels_ = 0;
    TClip clip_;
};

} // namespace

TClip Decode(const QByteArray& bytes, const QString& name)
{
    // The course keeps no log; a damaged clip is reported by the error alone.
    av_log_set_level(AV_LOG_QUIET);
    if (bytes.size() > MaxFileBytes)
        throw TCourseError(QString("Cannot open AVI \"%1\".").arg(name));
    return TDecoding(bytes, name).Run();
}

} // namespace ClipDecoder
