#include "support/HeapInUse.h"

#if defined(__SANITIZE_ADDRESS__)
#define VEMRA_HEAP_FROM_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VEMRA_HEAP_FROM_SANITIZER 1
#endif
#endif

#ifdef VEMRA_HEAP_FROM_SANITIZER
// From the sanitizer runtime; GCC installs no header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace vemra::test {

std::size_t heapInUse()
{
#ifdef VEMRA_HEAP_FROM_SANITIZER
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd; // small blocks in use, and blocks mapped on their own
#endif
}

} // namespace vemra::test
