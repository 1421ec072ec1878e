#pragma once
// The widening loop of FromWindows1252, for readers that write into a buffer of their own.
#include <cstddef>

namespace wexlin::files {

// Writes one UTF-16 unit for each of the size bytes.
void WidenWindows1252(const char* bytes, std::size_t size, char16_t* out);

}  // namespace wexlin::files
