#pragma once
// How a (paragraph, position) pair follows a change of the text; for bookmarks, carets and selections.

namespace controls {

struct TParaPos {
  int Para = 0;  // 0: not set
  int Pos = 0;
  bool operator==(const TParaPos&) const = default;
};

void ShiftOnParaDeleted(TParaPos& p, int para);
void ShiftOnTextDeleted(TParaPos& p, int para, int pos, int count);
void ShiftOnParaSplit(TParaPos& p, int para, int pos, int indent);
void ShiftOnTextInserted(TParaPos& p, int para, int pos, int count);
void ShiftOnParasJoined(TParaPos& p, int para, int pos);
// Carets are never cleared: they move to the change.
void CaretOnParaDeleted(TParaPos& p, int para, int paraCount);
void CaretOnTextDeleted(TParaPos& p, int para, int pos, int count);

}  // namespace controls
