// Built with -mavx2; called only where the processor has AVX2.
#define CIPHER_CHACHA_KERNEL ChaChaKernelAvx2
#include "chacha20_kernel.h"
