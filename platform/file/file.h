// Files: file specifications (volume, folder, name) over POSIX paths, typed
// file creation (type/creator in user extended attributes when the file
// system has them), data-fork I/O by reference number, and atomic
// whole-file writers for outputs that must never be left half written.
#pragma once
#include <cstdio>
#include <string>

#include "platform/gfx/gfx.h"

// An FSSpec: 70 bytes, as callers copy it byte for byte.
// parID names a folder through a process-wide table (never 0 for a valid
// spec); a name longer than 63 bytes is kept in a side table and the name
// field holds a short key for it. An all-zero spec is "no file".
#pragma pack(push, 2)
struct FSSpec {
  int16_t vRefNum;
  int32_t parID;
  Str63 name;
};
#pragma pack(pop)
static_assert(sizeof(FSSpec) == 70, "FSSpec is 70 bytes");
typedef FSSpec* FSSpecPtr;
typedef const unsigned char* ConstStr63Param;

// A reference to a file or folder by its full path (opaque to callers).
struct FSRef {
  uint8_t hidden[1032];
};

enum : int8_t { fsCurPerm = 0, fsRdPerm = 1, fsWrPerm = 2, fsRdWrPerm = 3 };
enum : short { fsAtMark = 0, fsFromStart = 1, fsFromLEOF = 2, fsFromMark = 3 };
enum : short { smSystemScript = -1 };
enum : short { kVokVolume = -1 };  // the one volume: the whole file tree

// FSRef of an existing file (fnfErr otherwise; the ref is filled anyway so
// that a path can still be made for a file about to be created).
OSErr FSpMakeFSRef(const FSSpec* spec, FSRef* ref);
// The full POSIX path of ref, NUL-terminated; paramErr when it does not fit.
OSStatus FSRefMakePath(const FSRef* ref, uint8_t* path, uint32_t maxPathSize);

// Creates an empty file (dupFNErr when one exists); type and creator go into
// user.vok.type / user.vok.creator where the file system allows.
OSErr FSpCreate(const FSSpec* spec, OSType creator, OSType fileType, short scriptTag);
OSErr FSpDelete(const FSSpec* spec);  // fnfErr when there is no such file

// Reading data forks (text files read back). Reference numbers are
// positive; unknown ones give rfNumErr.
OSErr FSpOpenDF(const FSSpec* spec, int8_t permission, short* refNum);
OSErr FSRead(short refNum, long* count, void* buffer);       // eofErr when fewer bytes came
OSErr SetFPos(short refNum, short posMode, long posOffset);  // eofErr past the end (pinned there)
OSErr FSClose(short refNum);

// ---- our own helpers --------------------------------------------------------
// Spec <-> path. Relative paths are taken against the working directory.
bool VokPathToSpec(const std::string& path, FSSpec* spec);
bool VokSpecToPath(const FSSpec* spec, std::string* path);  // false for zero/unknown specs and bad names
// The name of a spec as a C++ string (the full name for long names).
std::string VokSpecName(const FSSpec* spec);
// A spec for another name in the same folder (false when the name is unusable).
bool VokSpecWithName(const FSSpec* spec, const std::string& name, FSSpec* out);
// A file name the user may give: not empty, not "." or "..", no '/' or NUL, at most 255 bytes.
bool VokIsValidFileName(const std::string& name);
// Text of the last failure of a call above ("cannot create /a/b: Permission denied").
const char* VokFileErrorText();
// Maps errno to a result code.
OSErr VokErrnoToOSErr(int err);

// Type and creator of a path: the stored attributes, else a type guessed
// from the extension (TEXT for .txt/.tsv/.csv/.dat/.eps/.ps..., PICT for
// .pict/.pct, PNTG for .mac/.pntg); 0 when nothing is known.
void VokGetFileTypes(const std::string& path, OSType* type, OSType* creator);
// Stores type/creator; failing (no xattr support) is silently accepted.
void VokSetFileTypes(const std::string& path, OSType type, OSType creator);

// Whole-file writer: the content goes to a temporary file in the target's
// folder, which is synced and renamed over the target only on commit. Any
// failure (unwritable folder, full disk) leaves the old file as it was and
// reports why. The stream may be used with stdio; a write error on it makes
// the commit fail.
struct VokAtomicFile;
VokAtomicFile* VokAtomicOpen(const std::string& path, std::string* error);
FILE* VokAtomicStream(VokAtomicFile* f);
bool VokAtomicCommit(VokAtomicFile* f, OSType type, OSType creator, std::string* error);  // frees f
void VokAtomicAbort(VokAtomicFile* f);                                                    // frees f
bool VokWriteFileAtomic(const std::string& path, const void* data, size_t size, OSType type, OSType creator,
                        std::string* error);
// The same for a spec; the error text is kept for VokFileErrorText.
OSErr FSpWriteFileAtomic(const FSSpec* spec, const void* data, size_t size, OSType type, OSType creator);
// Creates the missing folders above path (mode 0755); false with errno set
// when one cannot be made.
bool VokMakeParentFolders(const std::string& path);
