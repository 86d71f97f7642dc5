// Frame cost of the real program at the settled view (camera at -26, every animation
// stopped), in its own window: the whole frame with the label and the side panel, the same
// without them, and the cheapest frame that touches the same pixels (clear the 4-sample colour
// and depth, one full-screen textured quad, resolve into the window), each drawn through the
// window's paint and presented the same way. The three kinds take turns, 15 frames each, 9
// times; a frame is asked for as soon as the previous one was presented, and its time is the
// wall time between the two presentations. Prints the medians (ms), the median of the 9
// ratios of the whole frame to the cheapest, and what the 2D layer adds. `--hide NAME,...`
// hides those objects of the scene first (Sphere1 the planet with its rings, Disk1 the rings,
// Sphere2 the sky, Sphere3 to Sphere9 the moons), to see what each costs.
#include <QCoreApplication>
#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/MainWindow.h"
#include "app/Program.h"
#include "scene/objects/Control3D.h"
#include "ui/qt/FormWindow.h"
#include "ui/qt/QtShell.h"

namespace {

using TClock = std::chrono::steady_clock;
constexpr int Samples = 4, FramesPerTurn = 15, Turns = 9;

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// The cheapest frame, made on the window's GL context at its first use.
class TCheapestFrame {
 public:
  void Draw(unsigned window, int width, int height) {
    QOpenGLExtraFunctions& gl = *QOpenGLContext::currentContext()->extraFunctions();
    if (!FFramebuffer) Make(gl, width, height);
    gl.glBindFramebuffer(GL_FRAMEBUFFER, FFramebuffer);
    gl.glViewport(0, 0, width, height);
    gl.glClearColor(0, 0, 0, 1);
    gl.glClearDepthf(1);
    gl.glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gl.glEnable(GL_DEPTH_TEST);
    gl.glDepthFunc(GL_LEQUAL);
    gl.glDisable(GL_CULL_FACE);
    gl.glDisable(GL_BLEND);
    gl.glUseProgram(FProgram);
    gl.glActiveTexture(GL_TEXTURE0);
    gl.glBindTexture(GL_TEXTURE_2D, FTexture);
    gl.glBindSampler(0, FSampler);
    gl.glBindVertexArray(FVertexArray);
    gl.glDrawArrays(GL_TRIANGLES, 0, 3);
    gl.glBindFramebuffer(GL_READ_FRAMEBUFFER, FFramebuffer);
    gl.glBindFramebuffer(GL_DRAW_FRAMEBUFFER, window);
    gl.glBlitFramebuffer(0, 0, width, height, 0, 0, width, height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    // What the window's paint expects to find.
    gl.glBindFramebuffer(GL_FRAMEBUFFER, window);
    gl.glBindSampler(0, 0);
    gl.glBindVertexArray(0);
    gl.glUseProgram(0);
    gl.glDisable(GL_DEPTH_TEST);
  }

 private:
  void Make(QOpenGLExtraFunctions& gl, int width, int height) {
    gl.glGenFramebuffers(1, &FFramebuffer);
    gl.glBindFramebuffer(GL_FRAMEBUFFER, FFramebuffer);
    GLuint buffers[2];
    gl.glGenRenderbuffers(2, buffers);
    gl.glBindRenderbuffer(GL_RENDERBUFFER, buffers[0]);
    gl.glRenderbufferStorageMultisample(GL_RENDERBUFFER, Samples, GL_RGBA8, width, height);
    gl.glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, buffers[0]);
    gl.glBindRenderbuffer(GL_RENDERBUFFER, buffers[1]);
    gl.glRenderbufferStorageMultisample(GL_RENDERBUFFER, Samples, GL_DEPTH_COMPONENT24, width,
                                        height);
    gl.glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, buffers[1]);
    // A picture with detail everywhere, as the sky has, at the window's size.
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 4);
    for (size_t i = 0; i < pixels.size(); ++i)
      pixels[i] = static_cast<unsigned char>((i * 2654435761u) >> 24);
    gl.glGenTextures(1, &FTexture);
    gl.glBindTexture(GL_TEXTURE_2D, FTexture);
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    gl.glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    gl.glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                    pixels.data());
    gl.glGenSamplers(1, &FSampler);
    gl.glSamplerParameteri(FSampler, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    gl.glSamplerParameteri(FSampler, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    gl.glSamplerParameteri(FSampler, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    gl.glSamplerParameteri(FSampler, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    gl.glGenVertexArrays(1, &FVertexArray);
    const auto stage = [&gl](GLenum kind, const char* text) {
      const GLuint s = gl.glCreateShader(kind);
      gl.glShaderSource(s, 1, &text, nullptr);
      gl.glCompileShader(s);
      return s;
    };
    FProgram = gl.glCreateProgram();
    gl.glAttachShader(FProgram, stage(GL_VERTEX_SHADER,
                                      "#version 330 core\n"
                                      "out vec2 uv;\n"
                                      "void main() {\n"
                                      "  vec2 c = vec2(float((gl_VertexID & 1) * 4 - 1),\n"
                                      "                float((gl_VertexID & 2) * 2 - 1));\n"
                                      "  uv = c * 0.5 + 0.5;\n"
                                      "  gl_Position = vec4(c, 0.5, 1.0);\n"
                                      "}\n"));
    gl.glAttachShader(FProgram, stage(GL_FRAGMENT_SHADER,
                                      "#version 330 core\n"
                                      "in vec2 uv; uniform sampler2D image; out vec4 colour;\n"
                                      "void main() { colour = texture(image, uv); }\n"));
    gl.glLinkProgram(FProgram);
  }

  GLuint FFramebuffer = 0, FTexture = 0, FSampler = 0, FVertexArray = 0, FProgram = 0;
};

enum TKind { Whole, Bare, Cheapest, KindCount };

void ShowOverlay(bool shown) {
  app::Form2->Label1->SetVisible(shown);
  app::Form2->Panel1->SetVisible(shown);
}

// Hides the objects named in `list` (comma-separated).
void Hide(const std::string& list) {
  std::size_t at = 0;
  while (at < list.size()) {
    std::size_t comma = list.find(',', at);
    if (comma == std::string::npos) comma = list.size();
    if (auto* object =
            dynamic_cast<scene::TControl3D*>(app::Form2->FindObject(list.substr(at, comma - at))))
      object->SetVisible(false);
    at = comma + 1;
  }
}

}  // namespace

int main(int argc, char** argv) {
  static std::string hidden;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::string(argv[i]) == "--hide") hidden = argv[i + 1];
  static TCheapestFrame cheapest;
  static std::vector<double> frames[KindCount];  // this turn's
  static std::vector<double> medians[KindCount], ratios;
  static TClock::time_point last;
  static int kind = -1, turn = 0;
  return app::RunOrvane(argc, argv, [](ui::qt::TQtShell& platform) {
    ui::qt::TFormWindow* window = platform.WindowOf(*app::Form2);
    const auto begin = [window](int next) {
      kind = next;
      ShowOverlay(kind == Whole);
      if (kind == Cheapest)
        window->SetFramePainter([](unsigned framebuffer, int width, int height) {
          cheapest.Draw(framebuffer, width, height);
        });
      else
        window->SetFramePainter(nullptr);
    };
    QObject::connect(
        window, &ui::qt::TFormWindow::FramePresented, &platform, [window, &platform, begin] {
          if (kind < 0) return;
          const TClock::time_point now = TClock::now();
          // The first frame of a turn follows the change of kind: not counted.
          if (last != TClock::time_point())
            frames[kind].push_back(std::chrono::duration<double, std::milli>(now - last).count());
          last = now;
          if (static_cast<int>(frames[kind].size()) == FramesPerTurn) {
            medians[kind].push_back(Median(frames[kind]));
            frames[kind].clear();
            last = {};
            if (kind + 1 < KindCount) {
              begin(kind + 1);
            } else {
              ratios.push_back(medians[Whole].back() / medians[Cheapest].back());
              if (++turn == Turns) {
                std::printf(
                    "render-ms %.2f\ncheapest-ms %.2f\nrender-ratio %.3f\n"
                    "overlay-ms %.2f\n",
                    Median(medians[Whole]), Median(medians[Cheapest]), Median(ratios),
                    Median(medians[Whole]) - Median(medians[Bare]));
                std::fflush(stdout);
                window->SetFramePainter(nullptr);
                platform.quit();
                return;
              }
              begin(Whole);
            }
          }
          window->update();
        });
    QTimer::singleShot(4000, &platform, [window, begin] {
      for (app::TOrbitAnimation* animation : app::Form2->FloatAnimations)
        animation->StopAtCurrent();
      app::Form2->Camera1->Position().SetZ(-26);
      Hide(hidden);
      begin(Whole);
      window->update();
    });
  });
}
