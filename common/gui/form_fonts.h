#pragma once
// The fonts the forms of both windows name are Windows families ("Arial",
// "Times New Roman", "Courier", "MS Sans Serif"). Each is drawn in a free family
// with the same advance widths, so that what was laid out to fit fits alike on
// every machine that has those fonts, whatever fontconfig would pick by itself.

#include <span>

namespace vorn {

struct FormFont {
    const char* form;      // as the forms name it
    const char* drawnAs;   // installed family that stands in for it (fonts-liberation2)
};

// Every form family and its stand-in.
std::span<const FormFont> formFonts();

// Enters the stand-ins into Qt's substitution table, which is shared by the whole
// process: the viewer library runs on its host's application and calls this as well.
// A form family that is installed itself is still drawn in it. Calling it again
// changes nothing.
void useFormFonts();

}  // namespace vorn
