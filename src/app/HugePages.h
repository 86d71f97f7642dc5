// Start-up on huge pages. The graphics driver fills some 220 MB of fresh memory before the
// first frame (the textures, the multisampled colour and depth); on Linux a fresh page costs a
// fault and a clear, and 2 MB pages make that several times cheaper. glibc's allocator asks
// the kernel for them when its tunable `glibc.malloc.hugetlb=1` is set, and tunables are read
// only as a process starts: so the program starts itself once more with it set.
#pragma once

#include <cstddef>

namespace app {

// Starts the program again (same process, same arguments) with the tunable added when it is
// not set yet; returns when it is set, when the user set it otherwise, or when starting again
// fails. In the restarted program it puts the environment back as the user had it, so that
// programs started from the viewer (a web browser) do not inherit it.
void StartWithHugePages(char** argv);

// Makes the first `bytes` the program's main thread allocates cheap to touch: reserves them in
// the heap at once and has a spare core touch them while the program starts (the window, the
// graphics driver), then gives them back to the heap, which keeps them for the driver's first
// buffers (the multisampled colour and depth of the view) instead of asking the kernel for
// fresh pages when the first frame waits for them. The heap also keeps freed memory instead of
// returning it to the kernel at once.
void WarmHeap(std::size_t bytes);

}  // namespace app
