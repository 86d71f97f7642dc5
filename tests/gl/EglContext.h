// A GL 3.3 core context without any window: EGL on Mesa's surfaceless platform. Made once per
// process and left current; render tests and benchmarks draw into their own framebuffers.
#pragma once

#include <string>

namespace scene::gl::testing {

// Makes the context current (creating it on first use); false with `error` set when the
// machine has no such context.
bool MakeGLContextCurrent(std::string* error = nullptr);

// What to install when MakeGLContextCurrent fails, for the failure message.
inline constexpr const char* MissingGLContextHint =
    "install Mesa's EGL and its software rasterizer llvmpipe (Debian: libegl-mesa0, "
    "libgl1-mesa-dri)";

}  // namespace scene::gl::testing
