#include "ClipProbe.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}
#include <gif_lib.h>

#include <cstring>

namespace record::test {

TVideoFacts ReadVideo(const std::string& path) {
  TVideoFacts facts;
  AVFormatContext* format = nullptr;
  if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0) {
    facts.Error = "cannot open " + path;
    return facts;
  }
  AVCodecContext* codec = nullptr;
  AVFrame* frame = av_frame_alloc();
  AVPacket* packet = av_packet_alloc();
  const auto decodeAll = [&] {
    if (avformat_find_stream_info(format, nullptr) < 0) return "no stream information";
    const int stream = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (stream < 0) return "no video stream";
    facts.Container = format->iformat->name;
    const AVCodecParameters* parameters = format->streams[stream]->codecpar;
    const AVCodec* decoder = avcodec_find_decoder(parameters->codec_id);
    if (!decoder) return "no decoder";
    facts.Codec = decoder->name;
    facts.FramesPerSecond = av_q2d(format->streams[stream]->avg_frame_rate);
    codec = avcodec_alloc_context3(decoder);
    if (avcodec_parameters_to_context(codec, parameters) < 0 ||
        avcodec_open2(codec, decoder, nullptr) < 0)
      return "the decoder does not open";
    const auto receive = [&] {
      while (avcodec_receive_frame(codec, frame) == 0) {
        if (facts.FramesDecoded++ == 0) {
          facts.Width = frame->width;
          facts.Height = frame->height;
          const auto pixelFormat = static_cast<AVPixelFormat>(frame->format);
          facts.PixelFormat = av_get_pix_fmt_name(pixelFormat);
          SwsContext* scaler =
              sws_getContext(frame->width, frame->height, pixelFormat, frame->width, frame->height,
                             AV_PIX_FMT_RGB24, SWS_BILINEAR, nullptr, nullptr, nullptr);
          facts.FirstFrameRgb.resize(static_cast<size_t>(frame->width) * frame->height * 3);
          uint8_t* rgb[1] = {facts.FirstFrameRgb.data()};
          const int stride[1] = {frame->width * 3};
          sws_setColorspaceDetails(scaler, sws_getCoefficients(SWS_CS_ITU709), 0,
                                   sws_getCoefficients(SWS_CS_ITU709), 1, 0, 1 << 16, 1 << 16);
          sws_scale(scaler, frame->data, frame->linesize, 0, frame->height, rgb, stride);
          sws_freeContext(scaler);
        }
      }
    };
    while (av_read_frame(format, packet) >= 0) {
      if (packet->stream_index == stream && avcodec_send_packet(codec, packet) == 0) receive();
      av_packet_unref(packet);
    }
    avcodec_send_packet(codec, nullptr);
    receive();
    return "";
  };
  facts.Error = decodeAll();
  av_packet_free(&packet);
  av_frame_free(&frame);
  avcodec_free_context(&codec);
  avformat_close_input(&format);
  return facts;
}

TGifFacts ReadGif(const std::string& path) {
  TGifFacts facts;
  int error = 0;
  GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
  if (!gif || DGifSlurp(gif) != GIF_OK) {
    facts.Error = std::string("giflib cannot read ") + path + ": " + GifErrorString(error);
    if (gif) DGifCloseFile(gif, &error);
    return facts;
  }
  facts.Width = gif->SWidth;
  facts.Height = gif->SHeight;
  facts.Frames = gif->ImageCount;
  facts.GlobalPalette = gif->SColorMap != nullptr;
  std::vector<unsigned char> canvas(static_cast<size_t>(facts.Width) * facts.Height, 0);
  for (int i = 0; i < gif->ImageCount; ++i) {
    const SavedImage& image = gif->SavedImages[i];
    facts.FramesWithTheirOwnPalette += image.ImageDesc.ColorMap != nullptr;
    GraphicsControlBlock control;
    if (DGifSavedExtensionToGCB(gif, i, &control) == GIF_OK) facts.DelaySum += control.DelayTime;
    for (int e = 0; e < image.ExtensionBlockCount; ++e) {
      const ExtensionBlock& block = image.ExtensionBlocks[e];
      if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
          std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0)
        facts.Loops = true;
    }
    const GifImageDesc& d = image.ImageDesc;
    for (int y = 0; y < d.Height; ++y)
      std::memcpy(&canvas[static_cast<size_t>(d.Top + y) * facts.Width + d.Left],
                  &image.RasterBits[static_cast<size_t>(y) * d.Width],
                  static_cast<size_t>(d.Width));
    facts.Pictures.push_back(canvas);
  }
  DGifCloseFile(gif, &error);
  return facts;
}

}  // namespace record::test
