// The open and save dialogs over the platform's navigation calls: one
// file at a time, no type pop-up, the toolkit's client name, and for the
// save dialog the proposed name. The stream opener picks the dialog from
// the fopen mode. (Saving and restoring the current drawing port around
// the dialogs belongs here too, once the drawing layer's port pair exists.)
#include "vok/util/file_dialogs.h"

#include <cstring>

VOKFileDialog s_df = {{}, "VOK", nullptr};

namespace {
constexpr OSType kText = FourCC('T', 'E', 'X', 'T');

void dialogOptions(NavDialogOptions* options) {
  NavGetDefaultDialogOptions(options);
  // Clears multiple selection and hides the type pop-up on the default flags.
  options->dialogOptionFlags -= 127;
  CopyCToPascal(s_df.clientName, options->clientName);
}

// Takes the chosen file of a reply; -1 with *good cleared on cancel.
OSErr takeReply(NavReplyRecord* reply, FSSpec* spec, Boolean* good) {
  *good = reply->validRecord;
  if (!*good) return -1;
  OSErr err = AEGetNthPtr(&reply->selection, 1, typeFSS, nullptr, nullptr, spec, sizeof(FSSpec), nullptr);
  NavDisposeReply(reply);
  return err;
}
}  // namespace

OSErr VOKGetFile(OSType fileType, FSSpec* spec, Boolean* good) {
  NavDialogOptions options;
  dialogOptions(&options);
  NavTypeListHandle typeList = nullptr;
  if (fileType != 0) {
    // Files of the asked type and files without any type code.
    typeList = reinterpret_cast<NavTypeListHandle>(NewHandleClear(16));
    if (typeList) {
      NavTypeList* list = *typeList;
      list->componentSignature = FourCC('*', '*', '*', '*');
      list->osTypeCount = 2;
      OSType types[2] = {fileType, 0};
      std::memcpy(list->osType, types, sizeof types);
    }
  }
  NavReplyRecord reply;
  std::memset(&reply, 0, sizeof reply);
  OSErr err = NavGetFile(s_df.defaultLocation, &reply, &options, nullptr, nullptr, nullptr, typeList, nullptr);
  if (err != noErr) return err;
  return takeReply(&reply, spec, good);
}

OSErr VOKChooseSaveFile(const char* defaultName, OSType fileType, FSSpec* spec, Boolean* good) {
  NavDialogOptions options;
  dialogOptions(&options);
  if (fileType == 0) fileType = FourCC('B', 'I', 'N', 'A');
  CopyCToPascal(defaultName, options.savedFileName);
  NavReplyRecord reply;
  std::memset(&reply, 0, sizeof reply);
  OSErr err = NavPutFile(s_df.defaultLocation, &reply, &options, nullptr, fileType, FourCC('*', '*', '*', '*'),
                         nullptr);
  if (err != noErr) return err;
  return takeReply(&reply, spec, good);
}

OSErr VOKPutFile(const char* defaultName, OSType fileType, FSSpec* spec, Boolean* good) {
  OSErr err = VOKChooseSaveFile(defaultName, fileType, spec, good);
  if (err != noErr) return err;
  FSpDelete(spec);
  FSpCreate(spec, FourCC('V', 'O', 'K', ' '), kText, smSystemScript);
  return noErr;
}

FILE* DialogFOpen(const char* defaultName, const char* mode) {
  size_t n = std::strlen(mode);
  bool binary = (n > 1 && mode[1] == 'b') || (n > 2 && mode[2] == 'b');
  OSType type = binary ? 0 : kText;
  bool open = mode[0] == 'r' || (n > 1 && (mode[1] == 'r' || mode[1] == '+'));
  Boolean good = false;
  OSErr err = open ? VOKGetFile(type, &s_df.spec, &good) : VOKPutFile(defaultName, type, &s_df.spec, &good);
  if ((err != noErr && err != fnfErr) || !good) return nullptr;
  static uint8_t path[1024];
  FSRef ref;
  FSpMakeFSRef(&s_df.spec, &ref);
  if (FSRefMakePath(&ref, path, sizeof path) != noErr) return nullptr;
  return std::fopen(reinterpret_cast<const char*>(path), mode);
}
