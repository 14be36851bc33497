#pragma once
// The window scroll bars of a self-drawn control, with the system's ranges, page, position and
// scroll codes: a bar does not move by itself on a line or page step; the control is told the code
// and sets the new position.

#include <QObject>
#include <QPointer>
#include <QScrollBar>
#include <functional>

class QWidget;

namespace platform {

inline constexpr int SB_HORZ = 0;
inline constexpr int SB_VERT = 1;

// Scroll codes of a bar message.
inline constexpr int SB_LINEUP = 0;
inline constexpr int SB_LINELEFT = 0;
inline constexpr int SB_LINEDOWN = 1;
inline constexpr int SB_LINERIGHT = 1;
inline constexpr int SB_PAGEUP = 2;
inline constexpr int SB_PAGELEFT = 2;
inline constexpr int SB_PAGEDOWN = 3;
inline constexpr int SB_PAGERIGHT = 3;
inline constexpr int SB_THUMBPOSITION = 4;
inline constexpr int SB_THUMBTRACK = 5;
inline constexpr int SB_TOP = 6;
inline constexpr int SB_LEFT = 6;
inline constexpr int SB_BOTTOM = 7;
inline constexpr int SB_RIGHT = 7;
inline constexpr int SB_ENDSCROLL = 8;

// Which parts of a TScrollInfo are read or written.
inline constexpr unsigned SIF_RANGE = 0x1;
inline constexpr unsigned SIF_PAGE = 0x2;
inline constexpr unsigned SIF_POS = 0x4;
inline constexpr unsigned SIF_DISABLENOSCROLL = 0x8;  // an unneeded bar is disabled, not hidden
inline constexpr unsigned SIF_TRACKPOS = 0x10;
inline constexpr unsigned SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

struct TScrollInfo {
  unsigned Mask = SIF_ALL;
  int Min = 0;
  int Max = 0;
  int Page = 0;
  int Pos = 0;
  int TrackPos = 0;  // the thumb while it is dragged
};

// One bar: its state as the program set it and the Qt bar (a child of the owner) that shows it.
class TWindowScrollBar : public QObject {
public:
  using Message = std::function<void(int code, int pos)>;

  TWindowScrollBar(QWidget& owner, int kind, Message message);

  // Keeps the page within the range and the position within [Min, Max - Page + 1]; returns the
  // position. Without SIF_DISABLENOSCROLL a range change shows the bar when needed and hides it
  // when not.
  int SetInfo(const TScrollInfo& info);
  TScrollInfo Info() const { return info_; }
  int SetPos(int pos);  // returns the previous position
  void Show(bool on);
  bool Shown() const { return shown_; }
  void Enable(bool on);
  bool Enabled() const { return enabled_; }
  bool Tracking() const { return tracking_; }

  QScrollBar& Bar() const { return *bar_; }

private:
  bool Needed() const;
  void Sync();
  void Action(int action);
  void Released();

  QPointer<QScrollBar> bar_;
  TScrollInfo info_;
  Message message_;
  bool shown_ = false;
  bool enabled_ = true;
  bool tracking_ = false;
  bool syncing_ = false;
};

// The thickness of a window scroll bar in pixels.
inline constexpr int kScrollBarSize = 16;

}  // namespace platform
