#pragma once
// The one place that holds the release number; the resources and the window title read it.
#define WEXLIN_VERSION_MAJOR 4
#define WEXLIN_VERSION_MINOR 0
#define WEXLIN_VERSION_REVISION 34
