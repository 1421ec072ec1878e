#include "cipher/chacha20.h"

#include <algorithm>

#include "bytes.h"
#include "chacha20_kernels.h"

namespace cipher {
namespace {

static_assert(ChaCha20::kLanes == kChaChaLanes);

std::array<std::uint32_t, 16> InitialState(const ChaChaKey& key, std::uint32_t counter, const ChaChaNonce& nonce) {
    std::array<std::uint32_t, 16> s{0x61707865, 0x3320646e, 0x79622d32, 0x6b206574};
    for (std::size_t i = 0; i < 8; ++i) s[4 + i] = LoadLe32(key.data() + 4 * i);
    s[12] = counter;
    for (std::size_t i = 0; i < 3; ++i) s[13 + i] = LoadLe32(nonce.data() + 4 * i);
    return s;
}

}  // namespace

std::vector<ChaChaKernel> SupportedChaChaKernels() {
    std::vector<ChaChaKernel> kernels{&ChaChaKernelPortable};
#if defined(CIPHER_CHACHA_WIDE_KERNELS)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2")) kernels.push_back(&ChaChaKernelAvx2);
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl")) kernels.push_back(&ChaChaKernelAvx512);
#endif
    return kernels;
}

ChaChaKernel BestChaChaKernel() {
    static const ChaChaKernel best = SupportedChaChaKernels().back();
    return best;
}

std::array<std::uint8_t, 64> ChaCha20Block(const ChaChaKey& key, std::uint32_t counter, const ChaChaNonce& nonce) {
    // The portable kernel, so that tests can hold the others against it.
    std::array<std::uint8_t, ChaCha20::kBatchBytes> batch{};
    ChaChaKernelPortable(InitialState(key, counter, nonce).data(), batch.data(), 1);
    std::array<std::uint8_t, 64> block;
    std::copy(batch.begin(), batch.begin() + 64, block.begin());
    return block;
}

ChaCha20::ChaCha20(const ChaChaKey& key, const ChaChaNonce& nonce, std::uint32_t counter)
    : state_(InitialState(key, counter, nonce)), kernel_(BestChaChaKernel()) {}

void ChaCha20::Apply(std::uint8_t* data, std::size_t size) {
    while (size > 0 && spare_used_ < kBatchBytes) {
        *data++ ^= spare_[spare_used_++];
        --size;
    }
    if (const std::size_t batches = size / kBatchBytes; batches > 0) {
        kernel_(state_.data(), data, batches);
        state_[12] += static_cast<std::uint32_t>(batches * kLanes);
        data += batches * kBatchBytes;
        size -= batches * kBatchBytes;
    }
    if (size > 0) {
        spare_.fill(0);
        kernel_(state_.data(), spare_.data(), 1);
        state_[12] += static_cast<std::uint32_t>(kLanes);
        for (std::size_t k = 0; k < size; ++k) data[k] ^= spare_[k];
        spare_used_ = size;
    }
}

}  // namespace cipher
