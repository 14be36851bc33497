#pragma once
// The caret: one in the application, owned by one control at a time, drawn by that control and blinking.
// Hiding counts: each HideCaret needs a ShowCaret; a new caret starts hidden.

#include <QImage>
#include <QRect>

class QPainter;
class QTimer;
class QWidget;

namespace platform::caret {

void Create(QWidget& owner, int width, int height, bool gray);  // takes the caret from its old owner
// A caret of a picture: its white pixels invert what lies beneath, its black ones leave it.
void CreateShaped(QWidget& owner, const QImage& shape);
void Destroy(QWidget& owner);                                   // only when owner holds it
void SetPosition(QWidget& owner, int x, int y);
void Show(QWidget& owner);
void Hide(QWidget& owner);
void SetBlinkTime(int milliseconds);  // 0 or less: no blinking

QWidget* Owner();
QRect Rect();           // in the owner's coordinates
bool IsShown();         // shown (hide count 0), whatever the blink phase
bool IsDrawn();         // shown and in the visible blink phase
void PaintOn(const QWidget& widget, QPainter& painter);  // draws it when widget owns it and it is drawn

}  // namespace platform::caret
