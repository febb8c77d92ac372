// Writes 24-bit RGB pixels as a baseline colour JPEG file through libjpeg.
#pragma once

#include <cstdint>
#include <string>

namespace vorn::viewer::output {

inline constexpr int kJpegQuality = 90;

// rgb points at height rows of width pixels, three bytes each (R, G, B), rows
// stride bytes apart. Returns an empty text on success, otherwise what went
// wrong, naming the file; the file is then as it was (see replaceFile).
// libjpeg's own error exit (which ends the process) is never reached.
std::string writeJpeg(const std::string& path, const std::uint8_t* rgb, int width, int height,
                      int stride);

}  // namespace vorn::viewer::output
