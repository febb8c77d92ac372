#include "sigch1.h"

// The cross-section viewer is not delivered with this system. This library only
// gives Vornw32 the two entry points it binds at load time, so that the program
// starts and its menu item "Cross-Sections Viewing" is harmless: nothing is shown.

#define SIGCH1_EXPORT __attribute__((visibility("default")))

extern "C" {

SIGCH1_EXPORT int Crs_Init()
{
    return 0;
}

SIGCH1_EXPORT void Crs_Destroy() {}

}
