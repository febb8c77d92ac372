// Writing an output file so that a failure leaves nothing half-written: the bytes go into a
// new file beside the target, which replaces the target only once all of it is on disk.
#pragma once

#include <string>
#include <string_view>

namespace vorn::viewer::output {

// Writes bytes as the file at path (through a symbolic link, to the file it names). Returns
// an empty text, or "Cannot write the file <path>: <reason>" with the system's reason (a
// full disk, a file-size limit, no permission); then path is as it was and no temporary file
// is left. A path naming something other than a regular file is refused.
std::string replaceFile(const std::string& path, std::string_view bytes);

}  // namespace vorn::viewer::output
