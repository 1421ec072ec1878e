#pragma once
// The ChaCha20 kernels: the same source built for several instruction sets, and the choice
// of the widest one the processor has.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace cipher {

inline constexpr std::size_t kChaChaLanes = 16;  // blocks per batch

// XORs `batches` batches of keystream into data, from the block counter in state[12] on
// (state is the 16-word ChaCha20 state; it is not changed).
using ChaChaKernel = void (*)(const std::uint32_t* state, std::uint8_t* data, std::size_t batches);

void ChaChaKernelPortable(const std::uint32_t* state, std::uint8_t* data, std::size_t batches);
#if defined(CIPHER_CHACHA_WIDE_KERNELS)
void ChaChaKernelAvx2(const std::uint32_t* state, std::uint8_t* data, std::size_t batches);
void ChaChaKernelAvx512(const std::uint32_t* state, std::uint8_t* data, std::size_t batches);
#endif

// The kernels this processor runs, the portable one first and the widest last.
std::vector<ChaChaKernel> SupportedChaChaKernels();
ChaChaKernel BestChaChaKernel();

}  // namespace cipher
