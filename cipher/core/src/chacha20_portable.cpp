#define CIPHER_CHACHA_KERNEL ChaChaKernelPortable
#include "chacha20_kernel.h"
