#pragma once

// The four entry points of the two viewer libraries that Vornw32 binds at load
// time (libVornCh1.so: Ch_Init, Ch_Destroy; libSigCh1.so: Crs_Init, Crs_Destroy).
// The window calls them through this table so that tests can watch the calls.
struct ViewerLibraries {
    int (*chInit)();
    void (*chDestroy)();
    int (*crsInit)();
    void (*crsDestroy)();

    // The entry points of the linked libraries.
    static ViewerLibraries linked();
};
