#include "viewer/gui/viewer_library.h"

#include <QApplication>
#include <QPointer>

#include "viewer/gui/tform1.h"
#include "viewer/gui/tform2.h"

namespace vorn::viewer {
namespace {
// Tested on the window pointers, not on a count of calls, so that Ch_Init after
// Ch_Destroy creates the windows again.
QPointer<TForm1> Form1;
QPointer<TForm2> Form2;
}  // namespace

bool initViewer() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return false;
    if (Form2.isNull()) Form2 = new TForm2();
    if (Form1.isNull()) Form1 = new TForm1(Form2);
    Form1->show();
    Form1->setWindowState(Form1->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    Form1->raise();
    Form1->activateWindow();
    return !Form1.isNull() && !Form2.isNull();
}

void destroyViewer() {
    delete Form1.data();
    delete Form2.data();
}

TForm1* viewerWindow() { return Form1.data(); }
TForm2* axisBoundsDialog() { return Form2.data(); }

}  // namespace vorn::viewer
