// Reading a data-bank file (Gasnames.cnf, <base>.rc, <base>.crs) whole.
#pragma once

#include <optional>
#include <string>

namespace setup {

// The content of the file at `path`; none when it is missing, cannot be read or
// is not a regular file. It is opened without blocking, so a FIFO or a device
// that bears a bank file's name is refused at once instead of holding the window
// until someone writes to it. A UTF-8 byte-order mark at its start (as editors
// on other systems save it) is dropped.
std::optional<std::string> readBankFile(const std::string& path);

}  // namespace setup
