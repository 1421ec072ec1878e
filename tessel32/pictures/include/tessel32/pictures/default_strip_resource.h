#pragma once
// The resource identifier of the built-in default image strip (a BITMAP resource), shared by the
// resource script that embeds the generated strip and the code that loads it. Plain #define so
// that the resource compiler can read it.
#define TESSEL32_IDB_DEFAULT_STRIP 30001
