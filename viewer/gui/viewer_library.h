#pragma once
// Life cycle of the viewer's two windows inside the library.

namespace vorn::viewer {

class TForm1;
class TForm2;

// Creates the windows when they do not exist, shows the viewer window (restored to normal).
// Returns true when both windows exist; false without doing anything when no QApplication runs.
bool initViewer();
// Deletes both windows.
void destroyViewer();

TForm1* viewerWindow();      // null before initViewer and after destroyViewer
TForm2* axisBoundsDialog();  // same life

}  // namespace vorn::viewer
