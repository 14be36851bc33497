#pragma once
// What the text store tells the editor that made a change (the editor passes it on to its ring).

namespace controls {

class TParaListEditor {
 public:
  virtual ~TParaListEditor() = default;

  virtual void ParaDeleted(int para) = 0;
  virtual void TextDeleted(int para, int pos, int count) = 0;
  virtual void ParaSplit(int para, int pos, int indent) = 0;
  virtual void TextInserted(int para, int pos, int count) = 0;
  virtual void ParasJoined(int para, int pos) = 0;
  // The whole text was re-wrapped.
  virtual void UpdateLayout() = 0;
};

}  // namespace controls
