// Basic types of the desktop layer: fixed-width integers, length-prefixed
// strings, four-character codes, result codes and relocatable memory blocks.
#pragma once
#include <cstddef>
#include <cstdint>

typedef uint8_t Boolean;
typedef int16_t OSErr;
typedef int32_t OSStatus;
typedef uint32_t OSType;
typedef int32_t Fixed;  // 16.16 fixed point
typedef unsigned char Str255[256];
typedef unsigned char Str63[64];
typedef unsigned char Str31[32];
typedef const unsigned char* ConstStr255Param;
typedef unsigned char* StringPtr;
typedef char* Ptr;
typedef Ptr* Handle;
typedef long Size;

enum : OSErr {
  noErr = 0,
  fnfErr = -43,      // file not found
  dupFNErr = -48,    // file already exists
  ioErr = -36,
  eofErr = -39,
  dskFulErr = -34,
  wrPermErr = -61,
  paramErr = -50,
  bdNamErr = -37,
  memFullErr = -108,
  userCanceledErr = -128,
  fnOpnErr = -38,
  permErr = -54,
  dirNFErr = -120,
  resNotFound = -192,
  rfNumErr = -51,    // bad file reference number
  posErr = -40,      // position before the start of a file
  nsvErr = -35,      // no such volume
};

// Builds an OSType from four characters: FOUR_CC('T','E','X','T').
constexpr OSType FourCC(char a, char b, char c, char d) {
  return (OSType(uint8_t(a)) << 24) | (OSType(uint8_t(b)) << 16) | (OSType(uint8_t(c)) << 8) | OSType(uint8_t(d));
}

// Relocatable blocks: a handle points at a master pointer to the data.
// Blocks never move here; lock and purge calls only keep their flags.
Handle NewHandle(Size size);         // zero-filled; nullptr when out of memory
Handle NewHandleClear(Size size);
void DisposeHandle(Handle h);
Size GetHandleSize(Handle h);
void SetHandleSize(Handle h, Size size);  // keeps the content; MemError() tells failure
OSErr MemError();
OSErr PtrToHand(const void* src, Handle* dst, long size);
void HLock(Handle h);
void HUnlock(Handle h);
void HPurge(Handle h);

// Length-prefixed <-> C strings (bounded to 255 characters).
void CopyCToPascal(const char* src, Str255 dst);
void CopyPascalToC(ConstStr255Param src, char* dst);  // dst holds at least 256 bytes
