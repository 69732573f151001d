// A write stream that puts its file in place whole: the bytes go to a
// temporary file beside the target, and fclose renames it over the target.
#pragma once
#include <cstdio>
#include <string>

#include "platform/base/types.h"

// Null with errno set when the temporary file cannot be made. fclose of the
// stream commits (type and creator are set on the file) and returns EOF with
// errno set when a write or the commit failed; the target is then untouched
// and no temporary file is left. Streams still open at exit are dropped.
FILE* s_OpenCommittedStream(const std::string& path, OSType type, OSType creator);
