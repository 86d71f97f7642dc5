#include "app/HeadlessRecording.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "app/HeadlessScene.h"
#include "app/RecordingProgress.h"
#include "app/StopSignals.h"
#include "record/ClipWriter.h"

namespace app {

namespace {

using TClock = std::chrono::steady_clock;

double SecondsSince(TClock::time_point start) {
  return std::chrono::duration<double>(TClock::now() - start).count();
}

}  // namespace

int RecordHeadless(int argc, char** argv, const TRecordingRequest& request,
                   const std::string& usage) {
  const THeadlessRun run{request.Width, request.Height, "the recording", 2, "\n" + usage};
  return RunHeadless(argc, argv, run, [&](THeadlessScene& scene) {
    TStopSignals stop;
    record::TClipSettings settings;
    settings.File = request.File;
    settings.Format = *record::ClipFormatForFile(request.File);
    settings.Width = request.Width;
    settings.Height = request.Height;
    settings.FramesPerSecond = request.Fps;
    settings.FrameCount = request.FrameCount();
    settings.StopRequested = [&] { return stop.Requested(); };
    // Made before the first frame is drawn: an unwritable folder is told at once.
    std::unique_ptr<record::IClipWriter> writer = record::OpenClipWriter(settings);
    TRecordingProgress progress(settings.FrameCount);
    double drawing = 0, encoding = 0;
    for (long i = 0; i < settings.FrameCount && !stop.Requested(); ++i) {
      const TClock::time_point drawStart = TClock::now();
      scene.RunClockTo(request.FrameMoment(i));
      const ui::TBitmap frame = scene.Picture();
      const TClock::time_point encodeStart = TClock::now();
      writer->AddFrame(frame.Image());
      drawing += std::chrono::duration<double>(encodeStart - drawStart).count();
      encoding += SecondsSince(encodeStart);
      progress.Update(i + 1);
    }
    bool finished = false;
    try {
      if (!stop.Requested()) {
        progress.Finishing();
        const TClock::time_point finishStart = TClock::now();
        writer->Finish();
        encoding += SecondsSince(finishStart);
        finished = true;
      }
    } catch (const record::EClipStopped&) {
    }
    progress.Clear();
    // Stopped before the clip was complete: the pending clip is removed, then the program
    // ends. A signal that came once the clip was in its place stopped nothing.
    if (!finished) {
      writer.reset();
      stop.EndAsAsked();
    }
    if (std::getenv("ORVANE_RECORD_TIMING"))
      std::fprintf(stderr, "orvane: %ld frames, drawing %.3f s, encoding %.3f s\n",
                   settings.FrameCount, drawing, encoding);
    return 0;
  });
}

}  // namespace app
