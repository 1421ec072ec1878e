#include "random_nonce.h"

#include <bcrypt.h>

namespace wexlin_cipher {

HRESULT RandomNonce(cipher::Nonce& nonce) {
    const NTSTATUS status = BCryptGenRandom(nullptr, nonce.data(), static_cast<ULONG>(nonce.size()),
                                            BCRYPT_USE_SYSTEM_PREFERRED_RNG);
    return status >= 0 ? S_OK : HRESULT_FROM_NT(status);
}

}  // namespace wexlin_cipher
