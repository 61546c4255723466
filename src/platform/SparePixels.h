#pragma once

// The pixels of the last picture let go, kept for the next picture decoded. The clock decodes
// a photo of the same size every minute; memory the process already holds takes no page
// faults, where fresh pages must each be found and cleared by the kernel first (on a virtual
// machine, memory left alone for a minute can still be slow to touch again: benchmarks/README.md).
// GUI thread only.

class QImage;

namespace platform::sparePixels {

// Keeps the image's pixels (shared with whoever else still holds them) in place of those kept
// before; none larger than 16 MiB (a 2048 x 2048 photo).
void keep(const QImage& image);

// The pixels kept, once nothing else holds them; else a null image.
QImage take();

} // namespace platform::sparePixels
