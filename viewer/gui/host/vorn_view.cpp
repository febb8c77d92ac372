// A small host for the viewer library: runs a Qt application and calls Ch_Init; the
// application ends when the viewer window is closed, and Ch_Destroy releases the windows.
#include <QApplication>

#include "vornch1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vorn");
    if (Ch_Init() == 0) return 1;
    const int status = QApplication::exec();
    Ch_Destroy();
    return status;
}
