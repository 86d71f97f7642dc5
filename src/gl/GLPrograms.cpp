// The shader programs of the runtime, by name.
//
// Matrices arrive as the scene keeps them (rows for row vectors) and are uploaded without
// transposing, so GLSL sees their transpose: `M * v` then computes the scene's v * M.
#include <string>

#include "gl/GLDevice.h"

namespace scene::gl {

namespace {

constexpr std::string_view Header = "#version 330 core\n";

// Vertex programs: depth leaves the projection as 0..1; without glClipControl it is mapped to
// GL's default -1..1 clip range here.
constexpr std::string_view VertexCommon = R"(
layout(location = 0) in vec3 Position;
layout(location = 1) in vec3 Normal;
layout(location = 2) in vec2 TexCoord0;
uniform mat4 MVPMatrix;
out vec2 VertexTexCoord;
void SetPosition() {
  gl_Position = MVPMatrix * vec4(Position, 1.0);
#ifdef REMAP_DEPTH
  gl_Position.z = 2.0 * gl_Position.z - gl_Position.w;
#endif
}
)";

// Gouraud lighting with SLOTS light slots (the formula of TLightMaterial, see Lighting.h).
constexpr std::string_view GouraudVertex = R"(
out vec4 VertexColor;
struct TLight { vec4 Opts; vec4 Pos; vec4 Dir; vec4 Color; };
uniform mat4 ModelView;
uniform mat4 ModelViewIT;
uniform vec4 MaterialDiffuse;
uniform vec4 MaterialAmbient;
uniform vec4 MaterialEmission;
uniform vec4 MaterialSpecular;
uniform vec4 MaterialOpts;
uniform vec4 EyePos;
#if SLOTS > 0
uniform TLight Lights[SLOTS];
#endif
vec3 SafeNormalize(vec3 v) {
  float len = length(v);
  return len > 0.0 ? v / len : v;
}
void main() {
  SetPosition();
  vec3 p = (ModelView * vec4(Position, 1.0)).xyz;
  vec3 n = SafeNormalize((ModelViewIT * vec4(Normal, 0.0)).xyz);
  vec3 e = SafeNormalize(p - EyePos.xyz);
  vec3 d = vec3(0.0);
  float s = 0.0;
#if SLOTS > 0
  for (int i = 0; i < SLOTS; ++i) {
    float code = Lights[i].Opts.x;
    if (code == 0.0) continue;
    vec3 dir = Lights[i].Dir.xyz;
    float spot = 1.0;
    if (code != 1.0) {
      dir = SafeNormalize(p - Lights[i].Pos.xyz);
      if (code == 3.0) {
        float c = dot(dir, SafeNormalize(Lights[i].Dir.xyz));
        spot = c < Lights[i].Opts.y ? 0.0 : pow(max(c, 0.0), Lights[i].Opts.z);
      }
    }
    float k = max(0.0, -dot(n, dir)) * spot;
    d += Lights[i].Color.rgb * k;
    if (k > 0.0) {
      float base = max(0.0, -dot(n, SafeNormalize(dir + e)));
      s += base > 0.0 ? pow(base, MaterialOpts.x) : 0.0;
    }
  }
#endif
  vec3 c = MaterialEmission.rgb + MaterialAmbient.rgb + d * MaterialDiffuse.rgb +
           s * MaterialSpecular.rgb;
  VertexColor = vec4(clamp(c, 0.0, 1.0), 1.0);
  VertexTexCoord = TexCoord0;
}
)";

constexpr std::string_view TextureVertex = R"(
void main() {
  SetPosition();
  VertexTexCoord = TexCoord0;
}
)";

// Pixel programs; FLIP reads the texture upside down.
constexpr std::string_view GouraudPixel = R"(
in vec4 VertexColor;
in vec2 VertexTexCoord;
uniform vec4 Opacity;
uniform vec4 Modulation;
uniform sampler2D texture0;
out vec4 FragColor;
void main() {
  vec4 c = VertexColor;
#ifdef FLIP
  if (Modulation.x == 2.0) c *= texture(texture0, vec2(VertexTexCoord.x, 1.0 - VertexTexCoord.y));
#else
  if (Modulation.x == 2.0) c *= texture(texture0, VertexTexCoord);
#endif
  FragColor = c * Opacity.x;
}
)";

constexpr std::string_view TexturePixel = R"(
in vec2 VertexTexCoord;
uniform vec4 Opacity;
uniform sampler2D texture0;
out vec4 FragColor;
void main() {
#ifdef FLIP
  FragColor = texture(texture0, vec2(VertexTexCoord.x, 1.0 - VertexTexCoord.y)) * Opacity.x;
#else
  FragColor = texture(texture0, VertexTexCoord) * Opacity.x;
#endif
}
)";

// One triangle over the whole target, at DEPTH.
constexpr std::string_view FullTargetVertex = R"(
void main() {
  vec2 corner = vec2(float((gl_VertexID & 1) * 4 - 1), float((gl_VertexID & 2) * 2 - 1));
  gl_Position = vec4(corner, DEPTH, 1.0);
}
)";

// Presenting: one triangle over the target rectangle resolves the samples of each pixel and
// lays the result premultiplied over the framebuffer (blending ONE, ONE_MINUS_SRC_ALPHA).

constexpr std::string_view PresentPixel = R"(
#if SAMPLES > 1
uniform sampler2DMS Image;
#else
uniform sampler2D Image;
#endif
uniform ivec2 Origin;
uniform vec2 Scale;  // the image's size over the rectangle's: 1 unless it is enlarged
uniform float Opacity;
out vec4 FragColor;
void main() {
  ivec2 p = ivec2((gl_FragCoord.xy - vec2(Origin)) * Scale);
#if SAMPLES > 1
  vec4 sum = vec4(0.0);
  for (int i = 0; i < SAMPLES; ++i) sum += texelFetch(Image, p, i);
  FragColor = sum * (Opacity / float(SAMPLES));
#else
  FragColor = texelFetch(Image, p, 0) * Opacity;
#endif
}
)";

// The kept backdrop: one triangle over the whole target at the far end of the depth range (1
// in either clip range), so that it passes the depth test only where the depth is still as
// cleared; each pixel takes the kept image's pixel.
constexpr std::string_view BackdropPixel = R"(
uniform sampler2D Image;
out vec4 FragColor;
void main() {
  FragColor = texelFetch(Image, ivec2(gl_FragCoord.xy), 0);
}
)";

std::string Vertex(std::string_view defines, std::string_view body, bool remapDepth) {
  std::string s(Header);
  if (remapDepth) s += "#define REMAP_DEPTH\n";
  s += defines;
  s += VertexCommon;
  s += body;
  return s;
}

std::string Pixel(std::string_view defines, std::string_view body) {
  std::string s(Header);
  s += defines;
  s += body;
  return s;
}

}  // namespace

std::string ProgramSource(std::string_view name, bool remapDepth) {
  if (name == "gouraud1.fvs") return Vertex("#define SLOTS 1\n", GouraudVertex, remapDepth);
  if (name == "gouraud2.fvs") return Vertex("#define SLOTS 2\n", GouraudVertex, remapDepth);
  if (name == "gouraud4.fvs") return Vertex("#define SLOTS 4\n", GouraudVertex, remapDepth);
  if (name == "gouraud8.fvs") return Vertex("#define SLOTS 8\n", GouraudVertex, remapDepth);
  if (name == "nolight.fvs") return Vertex("#define SLOTS 0\n", GouraudVertex, remapDepth);
  if (name == "texture.fvs") return Vertex("", TextureVertex, remapDepth);
  if (name == "gouraud.fps") return Pixel("", GouraudPixel);
  if (name == "gouraud_flip.fps") return Pixel("#define FLIP\n", GouraudPixel);
  if (name == "texture.fps") return Pixel("", TexturePixel);
  if (name == "texture_flip.fps") return Pixel("#define FLIP\n", TexturePixel);
  // The device's own programs for presenting.
  if (name == "present.fvs") return Pixel("#define DEPTH 0.0\n", FullTargetVertex);
  if (name == "present1.fps") return Pixel("#define SAMPLES 1\n", PresentPixel);
  if (name == "present2.fps") return Pixel("#define SAMPLES 2\n", PresentPixel);
  if (name == "present4.fps") return Pixel("#define SAMPLES 4\n", PresentPixel);
  if (name == "backdrop.fvs") return Pixel("#define DEPTH 1.0\n", FullTargetVertex);
  if (name == "backdrop.fps") return Pixel("", BackdropPixel);
  return {};
}

}  // namespace scene::gl
