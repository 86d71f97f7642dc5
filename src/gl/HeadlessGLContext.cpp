#include "gl/HeadlessGLContext.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include <cstring>

#include "gl/GLDevice.h"

namespace scene::gl {

namespace {

bool HasExtension(const char* extensions, const char* name) {
  if (!extensions) return false;
  const size_t length = std::strlen(name);
  for (const char* p = extensions; (p = std::strstr(p, name)) != nullptr; p += length)
    if ((p == extensions || p[-1] == ' ') && (p[length] == ' ' || p[length] == '\0')) return true;
  return false;
}

// Mesa's surfaceless platform, else the first of the devices EGL lists (drivers without
// Mesa's platform offer theirs so); none when EGL has neither.
EGLDisplay HeadlessDisplay() {
  const char* clientExtensions = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
  auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
      eglGetProcAddress("eglGetPlatformDisplayEXT"));
  if (!getPlatformDisplay) return EGL_NO_DISPLAY;
  if (HasExtension(clientExtensions, "EGL_MESA_platform_surfaceless"))
    return getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
  auto queryDevices =
      reinterpret_cast<PFNEGLQUERYDEVICESEXTPROC>(eglGetProcAddress("eglQueryDevicesEXT"));
  EGLDeviceEXT device = nullptr;
  EGLint devices = 0;
  if (HasExtension(clientExtensions, "EGL_EXT_platform_device") && queryDevices &&
      queryDevices(1, &device, &devices) && devices > 0)
    return getPlatformDisplay(EGL_PLATFORM_DEVICE_EXT, device, nullptr);
  return EGL_NO_DISPLAY;
}

}  // namespace

std::unique_ptr<THeadlessGLContext> THeadlessGLContext::Create(std::string& error) {
  const EGLDisplay display = HeadlessDisplay();
  EGLint major = 0, minor = 0;
  if (display == EGL_NO_DISPLAY) {
    error = "EGL offers no display-free platform (Mesa's EGL, package libegl-mesa0, has one)";
    return nullptr;
  }
  if (!eglInitialize(display, &major, &minor)) {
    error = "EGL's display-free platform could not be started";
    return nullptr;
  }
  std::unique_ptr<THeadlessGLContext> result(new THeadlessGLContext);
  result->FDisplay = display;
  if (!HasExtension(eglQueryString(display, EGL_EXTENSIONS), "EGL_KHR_surfaceless_context") ||
      !eglBindAPI(EGL_OPENGL_API)) {
    error = "EGL cannot draw OpenGL without a surface here";
    return nullptr;
  }
  // No surface is ever drawn to: any configuration for OpenGL serves (the surfaceless
  // platform offers them for pixel buffers), or none where EGL does without.
  const EGLint configAttributes[] = {EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_SURFACE_TYPE,
                                     EGL_PBUFFER_BIT, EGL_NONE};
  EGLConfig config = nullptr;
  EGLint configs = 0;
  if ((!eglChooseConfig(display, configAttributes, &config, 1, &configs) || configs < 1) &&
      !HasExtension(eglQueryString(display, EGL_EXTENSIONS), "EGL_KHR_no_config_context")) {
    error = "EGL has no configuration for OpenGL";
    return nullptr;
  }
  if (configs < 1) config = EGL_NO_CONFIG_KHR;
  const EGLint contextAttributes[] = {EGL_CONTEXT_MAJOR_VERSION,
                                      3,
                                      EGL_CONTEXT_MINOR_VERSION,
                                      3,
                                      EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                      EGL_CONTEXT_OPENGL_CORE_PROFILE_BIT,
                                      EGL_NONE};
  result->FContext = eglCreateContext(display, config, EGL_NO_CONTEXT, contextAttributes);
  if (result->FContext == EGL_NO_CONTEXT) {
    error = "no OpenGL 3.3 core context could be made without a display";
    return nullptr;
  }
  result->MakeCurrent();
  if (eglGetCurrentContext() != result->FContext) {
    error = "the OpenGL context made without a display could not be used";
    return nullptr;
  }
  if (const auto* renderer = glGetString(GL_RENDERER))
    result->FRenderer = reinterpret_cast<const char*>(renderer);
  result->FMaxRenderTargetSize = QueryMaxRenderTargetSize();
  return result;
}

THeadlessGLContext::~THeadlessGLContext() {
  if (!FDisplay) return;
  if (FContext) {
    eglMakeCurrent(FDisplay, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(FDisplay, FContext);
  }
  eglTerminate(FDisplay);
}

void THeadlessGLContext::MakeCurrent() {
  eglMakeCurrent(FDisplay, EGL_NO_SURFACE, EGL_NO_SURFACE, FContext);
}

}  // namespace scene::gl
