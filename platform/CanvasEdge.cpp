#include "platform/CanvasEdge.h"

#include "platform/Canvas.h"

namespace platform {

namespace {

struct EdgeColors {
  TColor topLeft;
  TColor bottomRight;
};

// The colours of the outer or inner line of an edge kind, or none.
bool LineColors(unsigned edge, bool outer, unsigned flags, EdgeColors& colors)
{
  const unsigned raised = outer ? BDR_RAISEDOUTER : BDR_RAISEDINNER;
  const unsigned sunken = outer ? BDR_SUNKENOUTER : BDR_SUNKENINNER;
  if (!(edge & (raised | sunken)))
    return false;
  if (flags & BF_MONO) {
    colors = {clWindowFrame, clWindowFrame};
    return true;
  }
  if (flags & BF_FLAT) {
    colors = outer ? EdgeColors{clBtnShadow, clBtnShadow} : EdgeColors{clBtnFace, clBtnFace};
    return true;
  }
  const bool isRaised = edge & raised;
  const bool soft = flags & BF_SOFT;
  if (outer)
    colors = isRaised ? EdgeColors{soft ? clBtnHighlight : cl3DLight, cl3DDkShadow}
                      : EdgeColors{clBtnShadow, soft ? cl3DLight : clBtnHighlight};
  else
    colors = isRaised ? EdgeColors{soft ? cl3DLight : clBtnHighlight, clBtnShadow}
                      : EdgeColors{soft ? clBtnShadow : cl3DDkShadow, cl3DLight};
  return true;
}

void FillWith(TCanvas& canvas, TColor color, const TRect& r)
{
  if (r.IsEmpty())
    return;
  canvas.Brush().SetColor(color);
  canvas.FillRect(r);
}

}  // namespace

void DrawEdge(TCanvas& canvas, TRect& r, unsigned edge, unsigned flags)
{
  const TBrushData saved = canvas.Brush().Data();
  TRect inside = r;
  for (const bool outer : {true, false}) {
    EdgeColors c;
    if (!LineColors(edge, outer, flags, c))
      continue;
    if (flags & BF_TOP)
      FillWith(canvas, c.topLeft, {inside.Left, inside.Top, inside.Right, inside.Top + 1});
    if (flags & BF_LEFT)
      FillWith(canvas, c.topLeft, {inside.Left, inside.Top, inside.Left + 1, inside.Bottom});
    if (flags & BF_BOTTOM)
      FillWith(canvas, c.bottomRight, {inside.Left, inside.Bottom - 1, inside.Right, inside.Bottom});
    if (flags & BF_RIGHT)
      FillWith(canvas, c.bottomRight, {inside.Right - 1, inside.Top, inside.Right, inside.Bottom});
    inside = {inside.Left + ((flags & BF_LEFT) ? 1 : 0), inside.Top + ((flags & BF_TOP) ? 1 : 0),
              inside.Right - ((flags & BF_RIGHT) ? 1 : 0), inside.Bottom - ((flags & BF_BOTTOM) ? 1 : 0)};
  }
  if (flags & BF_MIDDLE)
    FillWith(canvas, (flags & BF_MONO) ? clWindow : clBtnFace, inside);
  canvas.Brush().SetData(saved);
  if (flags & BF_ADJUST)
    r = inside;
}

void Frame3D(TCanvas& canvas, TRect& r, TColor topColor, TColor bottomColor, int width)
{
  canvas.Pen().SetWidth(1);
  --r.Bottom;
  --r.Right;
  for (int i = 0; i < width; ++i) {
    canvas.Pen().SetColor(topColor);
    const TPoint topLeft[] = {{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}};
    canvas.Polyline(topLeft);
    canvas.Pen().SetColor(bottomColor);
    const TPoint bottomRight[] = {{r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left - 1, r.Bottom}};
    canvas.Polyline(bottomRight);
    r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
  }
  ++r.Bottom;
  ++r.Right;
}

}  // namespace platform
