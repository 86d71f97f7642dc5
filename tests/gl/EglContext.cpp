#include "EglContext.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <cstdio>

namespace scene::gl::testing {

namespace {

struct TEgl {
  EGLDisplay Display = EGL_NO_DISPLAY;
  EGLContext Context = EGL_NO_CONTEXT;
  std::string Error;
};

// The reason with EGL's last error code, which tells a missing driver from a refused context.
std::string WithEglError(const char* reason) {
  char code[32];
  std::snprintf(code, sizeof code, " (EGL error 0x%04x)", static_cast<unsigned>(eglGetError()));
  return reason + std::string(code);
}

TEgl Create() {
  TEgl egl;
  auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
      eglGetProcAddress("eglGetPlatformDisplayEXT"));
  if (!getPlatformDisplay) {
    egl.Error = "no eglGetPlatformDisplayEXT";
    return egl;
  }
  egl.Display = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
  EGLint major = 0, minor = 0;
  if (egl.Display == EGL_NO_DISPLAY || !eglInitialize(egl.Display, &major, &minor)) {
    egl.Error = WithEglError("no surfaceless EGL display");
    return egl;
  }
  eglBindAPI(EGL_OPENGL_API);
  const EGLint attributes[] = {EGL_CONTEXT_MAJOR_VERSION,
                               3,
                               EGL_CONTEXT_MINOR_VERSION,
                               3,
                               EGL_CONTEXT_OPENGL_PROFILE_MASK,
                               EGL_CONTEXT_OPENGL_CORE_PROFILE_BIT,
                               EGL_NONE};
  egl.Context = eglCreateContext(egl.Display, EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, attributes);
  if (egl.Context == EGL_NO_CONTEXT) egl.Error = WithEglError("no GL 3.3 core context");
  return egl;
}

}  // namespace

bool MakeGLContextCurrent(std::string* error) {
  static TEgl egl = Create();
  if (egl.Context == EGL_NO_CONTEXT ||
      !eglMakeCurrent(egl.Display, EGL_NO_SURFACE, EGL_NO_SURFACE, egl.Context)) {
    if (error) *error = egl.Error.empty() ? "eglMakeCurrent failed" : egl.Error;
    return false;
  }
  return true;
}

}  // namespace scene::gl::testing
