#include "vornch1.h"

#include <QApplication>
#include <QMessageBox>

#include "viewer/gui/viewer_library.h"

// Exceptions never cross the C boundary into the host program: a failure while the windows
// are made is shown in an error box, and the result says whether both windows exist.
int Ch_Init(void) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return 0;
    try {
        vorn::viewer::initViewer();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QString(), QString::fromLocal8Bit(e.what()));
    } catch (...) {
    }
    return vorn::viewer::viewerWindow() != nullptr && vorn::viewer::axisBoundsDialog() != nullptr ? 1 : 0;
}

void Ch_Destroy(void) {
    try {
        vorn::viewer::destroyViewer();
    } catch (...) {
    }
}
