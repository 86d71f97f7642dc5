// Start-up on huge pages. The graphics driver fills some 220 MB of fresh memory before the
// first frame (the textures, the multisampled colour and depth); on Linux a fresh page costs a
// fault and a clear, and 2 MB pages make that several times cheaper. glibc's allocator asks
// the kernel for them when its tunable `glibc.malloc.hugetlb=1` is set, and tunables are read
// only as a process starts: so the program starts itself once more with it set.
#pragma once

namespace app {

// Starts the program again (same process, same arguments) with the tunable added when it is
// not set yet; returns when it is set, when the user set it otherwise, or when starting again
// fails. In the restarted program it puts the environment back as the user had it, so that
// programs started from the viewer (a web browser) do not inherit it.
void StartWithHugePages(char** argv);

}  // namespace app
