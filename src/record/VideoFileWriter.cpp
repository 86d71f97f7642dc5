#include "record/VideoFileWriter.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <string>

#include "ui/files/BitmapCodecs.h"

namespace record {

namespace {

std::string ErrorText(int error) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(error, text, sizeof text);
  return text;
}

// The encoder and its settings. H.264: x264's "veryfast" preset at its default quality
// (CRF 23). The encoder's threads share the processors with the software rasteriser drawing
// the frames: with the default "medium" a 1080p recording took about half as long again as
// with "veryfast" on two cores, for no smaller files ("ultrafast" and "superfast" are no
// faster there, and make files three to six times the size). VP9: constant quality (CRF 32)
// in libvpx's real-time mode, row-threaded, in place of its defaults: a fixed low bit rate
// and the slower "good" mode.
const AVCodec* OpenEncoder(TClipFormat format, AVCodecContext*& context) {
  const bool h264 = format == TClipFormat::Mp4;
  const AVCodec* codec = avcodec_find_encoder_by_name(h264 ? "libx264" : "libvpx-vp9");
  if (!codec) return nullptr;
  context = avcodec_alloc_context3(codec);
  if (!context) return nullptr;
  if (h264) {
    av_opt_set(context->priv_data, "preset", "veryfast", 0);
  } else {
    context->bit_rate = 0;
    av_opt_set(context->priv_data, "crf", "32", 0);
    av_opt_set(context->priv_data, "deadline", "realtime", 0);
    av_opt_set(context->priv_data, "cpu-used", "8", 0);
    av_opt_set(context->priv_data, "row-mt", "1", 0);
  }
  return codec;
}

}  // namespace

TVideoFileWriter::TVideoFileWriter(const TClipSettings& settings)
    : FSettings(settings), FFile(settings.File) {
  try {
    Open();
  } catch (...) {
    // The destructor does not run for an object that was never made.
    Release();
    throw;
  }
}

void TVideoFileWriter::Open() {
  const TClipSettings& settings = FSettings;
  // The libraries' notes (the encoder's settings and statistics) are not the program's to
  // print; what fails is told from the calls' results.
  av_log_set_level(AV_LOG_QUIET);
  const bool mp4 = settings.Format == TClipFormat::Mp4;
  const char* container = mp4 ? "mp4" : "webm";
  if (int error =
          avformat_alloc_output_context2(&FFormat, nullptr, container, FFile.Path().c_str());
      error < 0)
    Fail("The container cannot be made", error);
  const AVCodec* codec = OpenEncoder(settings.Format, FCodec);
  if (!codec)
    throw EClipEncodingFailed(std::string("this FFmpeg has no ") +
                              (mp4 ? "H.264 (libx264)" : "VP9 (libvpx)") + " encoder");
  FCodec->width = settings.Width;
  FCodec->height = settings.Height;
  FCodec->time_base = AVRational{1, settings.FramesPerSecond};
  FCodec->framerate = AVRational{settings.FramesPerSecond, 1};
  FCodec->pix_fmt = AV_PIX_FMT_YUV420P;
  // Tagged as the scaler converts: BT.709, limited range, as players assume for video.
  FCodec->colorspace = AVCOL_SPC_BT709;
  FCodec->color_primaries = AVCOL_PRI_BT709;
  FCodec->color_trc = AVCOL_TRC_BT709;
  FCodec->color_range = AVCOL_RANGE_MPEG;
  FCodec->thread_count = 0;  // as many as the machine has
  if (FFormat->oformat->flags & AVFMT_GLOBALHEADER) FCodec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  // Refused here rather than by x264, which leaks its settings when it refuses them.
  if (NeedsEvenSize(settings.Format) && (settings.Width % 2 != 0 || settings.Height % 2 != 0))
    throw EClipEncodingFailed("H.264 in 4:2:0 needs an even width and height, not " +
                              std::to_string(settings.Width) + "x" +
                              std::to_string(settings.Height));
  if (int error = avcodec_open2(FCodec, codec, nullptr); error < 0)
    Fail("The encoder refused the settings", error);
  FStream = avformat_new_stream(FFormat, nullptr);
  if (!FStream) Fail("The container cannot be made", AVERROR(ENOMEM));
  FStream->time_base = FCodec->time_base;
  FStream->avg_frame_rate = FCodec->framerate;
  if (int error = avcodec_parameters_from_context(FStream->codecpar, FCodec); error < 0)
    Fail("The container cannot be made", error);
  if (int error = avio_open(&FFormat->pb, FFile.Path().c_str(), AVIO_FLAG_WRITE); error < 0)
    throw ui::EFileSystemError("Cannot create \"" + settings.File + "\": " + ErrorText(error));
  AVDictionary* options = nullptr;
  // The index (moov) at the start: players and browsers start before the whole file is read.
  if (mp4) av_dict_set(&options, "movflags", "+faststart", 0);
  const int error = avformat_write_header(FFormat, &options);
  av_dict_free(&options);
  if (error < 0) Fail("The container cannot be written", error);

  FFrame = av_frame_alloc();
  FPacket = av_packet_alloc();
  if (!FFrame || !FPacket) Fail("The encoder cannot start", AVERROR(ENOMEM));
  FFrame->format = FCodec->pix_fmt;
  FFrame->width = settings.Width;
  FFrame->height = settings.Height;
  if (int error = av_frame_get_buffer(FFrame, 0); error < 0)
    Fail("The encoder cannot start", error);
  FScaler =
      sws_getContext(settings.Width, settings.Height, AV_PIX_FMT_RGBA, settings.Width,
                     settings.Height, AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr, nullptr, nullptr);
  if (!FScaler) Fail("The colour conversion cannot start", AVERROR(EINVAL));
  sws_setColorspaceDetails(FScaler, sws_getCoefficients(SWS_CS_ITU709), 1,
                           sws_getCoefficients(SWS_CS_ITU709), 0, 0, 1 << 16, 1 << 16);
}

TVideoFileWriter::~TVideoFileWriter() {
  Release();
}

void TVideoFileWriter::Release() {
  sws_freeContext(FScaler);
  FScaler = nullptr;
  av_packet_free(&FPacket);
  av_frame_free(&FFrame);
  avcodec_free_context(&FCodec);
  if (FFormat && FFormat->pb) avio_closep(&FFormat->pb);
  avformat_free_context(FFormat);
  FFormat = nullptr;
  // The pending file goes with FFile unless Finish committed it.
}

void TVideoFileWriter::Fail(const char* doing, int error) {
  // A write the system refused is the system's reason; anything else the encoder's.
  if (FFormat && FFormat->pb && FFormat->pb->error < 0) error = FFormat->pb->error;
  if (error == AVERROR(ENOSPC) || error == AVERROR(EIO) || error == AVERROR(EDQUOT) ||
      error == AVERROR(EFBIG) || error == AVERROR(EACCES) || error == AVERROR(EROFS))
    throw ui::EFileSystemError("Cannot write \"" + FSettings.File + "\": " + ErrorText(error));
  throw EClipEncodingFailed(std::string(doing) + ": " + ErrorText(error));
}

void TVideoFileWriter::AddFrame(const scene::TTextureImage& frame) {
  if (frame.Width != FSettings.Width || frame.Height != FSettings.Height)
    throw EClipEncodingFailed("a frame is not of the clip's size");
  if (int error = av_frame_make_writable(FFrame); error < 0) Fail("The encoder failed", error);
  const std::uint8_t* source[1] = {frame.Pixels.data()};
  const int sourceStride[1] = {frame.Width * 4};
  sws_scale(FScaler, source, sourceStride, 0, frame.Height, FFrame->data, FFrame->linesize);
  FFrame->pts = FNextFrame++;
  Encode(FFrame);
}

void TVideoFileWriter::Encode(const AVFrame* frame) {
  if (int error = avcodec_send_frame(FCodec, frame); error < 0) Fail("The encoder failed", error);
  for (;;) {
    const int received = avcodec_receive_packet(FCodec, FPacket);
    if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) break;
    if (received < 0) Fail("The encoder failed", received);
    av_packet_rescale_ts(FPacket, FCodec->time_base, FStream->time_base);
    FPacket->stream_index = FStream->index;
    if (int error = av_interleaved_write_frame(FFormat, FPacket); error < 0)
      Fail("The clip cannot be written", error);
  }
  if (FFormat->pb->error < 0) Fail("The clip cannot be written", FFormat->pb->error);
}

void TVideoFileWriter::Finish() {
  Encode(nullptr);
  if (FSettings.StopRequested()) throw EClipStopped();
  if (int error = av_write_trailer(FFormat); error < 0) Fail("The clip cannot be written", error);
  if (int error = avio_closep(&FFormat->pb); error < 0) Fail("The clip cannot be written", error);
  if (FSettings.StopRequested()) throw EClipStopped();
  FFile.Commit();
}

}  // namespace record
