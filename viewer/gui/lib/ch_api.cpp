#include "vornch1.h"

#include <QApplication>

#include "viewer/gui/viewer_library.h"

// Exceptions must never cross the C boundary into the host program.
int Ch_Init(void) {
    try {
        return vorn::viewer::initViewer() ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

void Ch_Destroy(void) {
    try {
        vorn::viewer::destroyViewer();
    } catch (...) {
    }
}
