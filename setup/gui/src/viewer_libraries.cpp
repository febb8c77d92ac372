#include "viewer_libraries.h"

#include "sigch1.h"

extern "C" {
int Ch_Init(void);
void Ch_Destroy(void);
}

ViewerLibraries ViewerLibraries::linked()
{
    return {&Ch_Init, &Ch_Destroy, &Crs_Init, &Crs_Destroy};
}
