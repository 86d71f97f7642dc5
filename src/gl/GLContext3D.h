// The OpenGL 3.3 drawing context: a multisampled off-screen render target with a depth
// buffer, the render states, indexed triangle lists through the named shader programs, and
// presenting the image into a window's framebuffer.
//
// Make, use and free contexts only while the window's GL context is current. All contexts
// made on one GL context share its device objects (programs, the sampler, textures, mesh
// buffers); ReleaseGLDevice frees them and must be called, with that GL context current,
// before the GL context itself is destroyed (textures uploaded before then are gone).
#pragma once

#include <memory>
#include <span>
#include <vector>

#include "scene/render/Context3D.h"

namespace scene::gl {

// A context with its own render target of width x height pixels and `samples` samples per
// pixel (4, 2 or 1; an unsupported count falls back to the next lower supported one down to
// 2, else 1).
std::unique_ptr<TContext3D> CreateGLContext3D(int width, int height, int samples);

// Frees the shared device objects of the current GL context (see above).
void ReleaseGLDevice();

// Textures made ahead on another thread, on a GL context of its own that shares objects with
// the window's: MakeTexturesFromBands (with that context current) fills one texture per
// source band by band and returns when the GL has finished with them; their names are then
// handed to AdoptTexture on the window's thread, with the window's context current, which
// gives the handles to assign to the textures (null for a name of 0).
std::vector<unsigned> MakeTexturesFromBands(
    std::span<const std::shared_ptr<const TTextureBands>> sources);
std::unique_ptr<TDeviceHandle> AdoptTexture(unsigned name, int width, int height);

}  // namespace scene::gl
