// Shared between the file layer's sources: path normalisation and the text
// of the last failure.
#pragma once
#include <string>

#include "platform/base/types.h"

namespace vokfile {
// Absolute, lexically normalised path ("" for an empty path).
std::string absolutePath(const std::string& path);
// Records "<what> <path>: <strerror(err)>" for VokFileErrorText and returns the result code.
OSErr fail(const char* what, const std::string& path, int err);
void setErrorText(const std::string& text);
}  // namespace vokfile
