// The one entry the event layer needs from the file layer: turning a document
// path into an FSSpec when a descriptor is coerced to typeFSS.
// Kept free of file.h so the event layer does not depend on it.
#pragma once

// Size in bytes of an FSSpec (platform/file/file.h checks it).
enum : long { kVokFSSpecSize = 70 };

// Fills the 70-byte FSSpec at fsspecOut for path (relative paths against the
// working directory); false for an empty or unusable path.
bool VokPathToFSSpec(const char* path, void* fsspecOut);
// The path of a 70-byte FSSpec into buf (NUL-terminated); false when it does not fit or is unknown.
bool VokFSSpecToPath(const void* fsspec, char* buf, unsigned long bufSize);
