#pragma once
// A fresh nonce for every Encode, from the system's random number generator.
#include <windows.h>

#include "cipher/engine.h"

namespace wexlin_cipher {

HRESULT RandomNonce(cipher::Nonce& nonce);

}  // namespace wexlin_cipher
