// Open and save dialogs: our own modal dialogs over the folder tree (folder
// listing filtered by type, folder navigation, a name field for saving,
// OK/Cancel), with the navigation-service calls the toolkit makes on top.
// Scripts answer them with `choose "path"`, `saveas "path"` and `cancel`.
#pragma once
#include "platform/event/event.h"
#include "platform/file/file.h"

// ---- direct calls -------------------------------------------------------------
struct VokFileDialogOptions {
  const OSType* types = nullptr;  // offered types; a 0 entry offers files without a type
  int typeCount = 0;              // 0: every file is offered
  const char* defaultName = "";   // proposed name (save)
  const char* title = nullptr;    // window title; null for "Open" / "Save"
  const char* prompt = nullptr;   // line above the list; null for none
  const FSSpec* startFolder = nullptr;  // a folder spec; null for the working directory
};
// Runs the open dialog: a file chosen in the list, or its path typed (as
// for saving). noErr with *chosen set, or userCanceledErr.
OSErr VokRunOpenDialog(const VokFileDialogOptions& options, FSSpec* chosen);
// Runs the save dialog; what is typed is a name or a path (absolute, from
// ~, or relative to the folder shown) whose folder exists. An existing file
// named there is replaced only when the person confirms it. noErr with
// *chosen set, or userCanceledErr.
OSErr VokRunSaveDialog(const VokFileDialogOptions& options, FSSpec* chosen);
// The front window is one of our file dialogs (scripts ask this).
bool VokFileDialogInFront(bool* isSave);
// Answers the file dialog in front as if the user had chosen `path` (a
// script's saveas replaces an existing file without asking); false
// with *why set when there is no file dialog or the path does not fit it.
bool VokAnswerFileDialog(const char* path, bool save, std::string* why);

// ---- navigation-service calls -------------------------------------------------
enum : uint32_t {
  kNavNoTypePopup = 0x00000001,
  kNavDontAutoTranslate = 0x00000002,
  kNavDontAddTranslateItems = 0x00000004,
  kNavAllFilesInPopup = 0x00000010,
  kNavAllowStationery = 0x00000020,
  kNavAllowPreviews = 0x00000040,
  kNavAllowMultipleFiles = 0x00000080,
  kNavDefaultNavDlogOptions = 0x000000E4,
};

struct NavDialogOptions {
  uint16_t version;
  uint32_t dialogOptionFlags;
  Point location;
  Str255 clientName;
  Str255 windowTitle;
  Str255 actionButtonLabel;
  Str255 cancelButtonLabel;
  Str255 savedFileName;
  Str255 message;
  uint32_t preferenceKey;
  Handle popupExtension;
};

// selection holds one item: the chosen file as a 70-byte FSSpec, fetched
// with AEGetNthPtr(&reply.selection, 1, typeFSS, ...), or VokNavReplySpec.
struct NavReplyRecord {
  uint16_t version;
  Boolean validRecord;
  Boolean replacing;
  Boolean isStationery;
  Boolean translationNeeded;
  AEDescList selection;
  short keyScript;
  Handle fileTranslation;
  FSSpec vokSpec;  // the same choice, for callers that skip the descriptor
};

struct NavTypeList {
  OSType componentSignature;
  short reserved;
  short osTypeCount;
  OSType osType[1];
};
typedef NavTypeList* NavTypeListPtr;
typedef NavTypeListPtr* NavTypeListHandle;
typedef void* NavEventUPP;
typedef void* NavPreviewUPP;
typedef void* NavObjectFilterUPP;

OSErr NavGetDefaultDialogOptions(NavDialogOptions* options);
// Open dialog; a null typeList offers every file. noErr also on cancel
// (validRecord false), as callers expect.
OSErr NavGetFile(AEDesc* defaultLocation, NavReplyRecord* reply, NavDialogOptions* options, NavEventUPP eventProc,
                 NavPreviewUPP previewProc, NavObjectFilterUPP filterProc, NavTypeListHandle typeList, void* userData);
// Save dialog proposing options->savedFileName.
OSErr NavPutFile(AEDesc* defaultLocation, NavReplyRecord* reply, NavDialogOptions* options, NavEventUPP eventProc,
                 OSType fileType, OSType fileCreator, void* userData);
OSErr NavDisposeReply(NavReplyRecord* reply);
// The chosen spec of a valid reply.
bool VokNavReplySpec(const NavReplyRecord* reply, FSSpec* spec);
