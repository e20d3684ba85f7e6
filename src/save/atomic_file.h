// Replacing a file so that a crash or a full disk never leaves it half written.
#pragma once

#include <filesystem>
#include <string_view>

#include "save/file_write_result.h"

namespace tolmark {

// Writes the bytes to a new file beside `path`, flushes them to the disk and only then
// renames the new file over `path`. On any failure the old file stays as it was, the new
// file is removed and the result says why.
FileWriteResult ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Appends the bytes to `path` (created when missing) and flushes them. A write that fails
// half way is cut back, so the file keeps exactly what it held before.
FileWriteResult AppendToFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tolmark
