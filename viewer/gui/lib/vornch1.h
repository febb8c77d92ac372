#pragma once
// The results viewer library. Both functions run on the caller's Qt application and GUI thread.

#define VORNCH1_EXPORT __attribute__((visibility("default")))

extern "C" {
// Creates the viewer window and the axis-bounds dialog when they do not exist and shows the
// viewer window. Returns non-zero when both windows exist; 0 (doing nothing) when no Qt
// application is running.
VORNCH1_EXPORT int Ch_Init(void);
// Deletes both windows; a later Ch_Init creates them again.
VORNCH1_EXPORT void Ch_Destroy(void);
}
