// The bottleneck table: the standard procedures, and installing a port's own
// table. A table installed with SetPortGrafProcs has its empty slots filled
// with the standard procedures, so no caller ever checks a slot for null.
#include "platform/gfx/gfx_internal.h"

namespace {
void noText(short, const void*, Point, Point) {}
short noTxMeas(short, const void*, Point*, Point*, void*) { return 0; }
QDTextProcPtr g_stdText = noText;
QDTxMeasProcPtr g_stdTxMeas = noTxMeas;
}  // namespace

void VokSetStdTextProcs(QDTextProcPtr text, QDTxMeasProcPtr measure) {
  g_stdText = text ? text : noText;
  g_stdTxMeas = measure ? measure : noTxMeas;
}

void SetStdCProcs(CQDProcs* procs) {
  if (!procs) return;
  procs->textProc = g_stdText;
  procs->lineProc = StdLine;
  procs->rectProc = StdRect;
  procs->rRectProc = StdRRect;
  procs->ovalProc = StdOval;
  procs->arcProc = StdArc;
  procs->polyProc = StdPoly;
  procs->rgnProc = StdRgn;
  procs->bitsProc = StdBits;
  procs->commentProc = StdComment;
  procs->txMeasProc = g_stdTxMeas;
}

namespace vokgfx {
CQDProcs* stdProcs() {
  static CQDProcs procs{};
  SetStdCProcs(&procs);  // afresh: the fonts install the text slots at start
  return &procs;
}
}  // namespace vokgfx

void SetPortGrafProcs(CGrafPtr port, CQDProcs* procs) {
  if (!port) return;
  if (procs) {
    const CQDProcs& s = *vokgfx::stdProcs();
    if (!procs->textProc) procs->textProc = s.textProc;
    if (!procs->lineProc) procs->lineProc = s.lineProc;
    if (!procs->rectProc) procs->rectProc = s.rectProc;
    if (!procs->rRectProc) procs->rRectProc = s.rRectProc;
    if (!procs->ovalProc) procs->ovalProc = s.ovalProc;
    if (!procs->arcProc) procs->arcProc = s.arcProc;
    if (!procs->polyProc) procs->polyProc = s.polyProc;
    if (!procs->rgnProc) procs->rgnProc = s.rgnProc;
    if (!procs->bitsProc) procs->bitsProc = s.bitsProc;
    if (!procs->commentProc) procs->commentProc = s.commentProc;
    if (!procs->txMeasProc) procs->txMeasProc = s.txMeasProc;
  }
  port->grafProcs = procs;
}

CQDProcs* GetPortGrafProcs(CGrafPtr port) { return port ? port->grafProcs : nullptr; }

void StdComment(short kind, short dataSize, Handle dataHandle) {
  GrafPort* port = GetQDPort();
  if (port->picSave) port->picSave->comment(port, kind, dataSize, dataHandle);
}

