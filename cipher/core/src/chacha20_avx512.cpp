// Built with -mavx512f -mavx512vl; called only where the processor has both.
#define CIPHER_CHACHA_KERNEL ChaChaKernelAvx512
#include "chacha20_kernel.h"
