#pragma once

#include <cstddef>

namespace vemra::test {

// Bytes the process has allocated and not yet freed, from the allocator itself (under
// AddressSanitizer from its allocator, so freed blocks it keeps in quarantine do not count).
// Steadier than the resident size for telling whether memory grows.
std::size_t heapInUse();

} // namespace vemra::test
