#include "plotui/annotate/GraphAnnotate.h"

#include "platform/Menus.h"
#include "plot/graph/Graph.h"

namespace plotui {

namespace {

constexpr int kClickTaken = -2;

}  // namespace

platform::TCursor ToolCursor(TAnnotateTool tool)
{
  switch (tool) {
  case atText: return 113;
  case atArrow: return 114;
  case atLine: return 115;
  case atRectangle: return 116;
  case atCircle: return 117;
  case atSymbol: return 118;
  case atPencil: return 119;
  default: return platform::crDefault;
  }
}

TGraphAnnotate::TGraphAnnotate(plot::TGraph& graph) : plot::TLayer(graph)
{
  HitIndex = -1;
  PopupMenu = std::make_unique<platform::TPopupMenu>();
  PopupMenu->Items().Add(QStringLiteral("miDelete"), QStringLiteral("Delete"), [this] { DeleteClick(); });
  PopupMenu->Items().Add(QStringLiteral("miProperties"), QStringLiteral("Properties"), [this] { PropertiesClick(); });
  // Properties only for a figure whose dialog is there.
  PopupMenu->OnPopup = [this] {
    const TFig* fig = Selected();
    PopupMenu->Items().Find(QStringLiteral("miProperties"))->SetEnabled(fig && fig->CanEditProperties());
  };
}

int TGraphAnnotate::AddFigure(std::unique_ptr<TFig> fig)
{
  Figures.push_back(std::move(fig));
  return GetCount() - 1;
}

TFig* TGraphAnnotate::GetFigure(int index) const
{
  if (index < 0 || index >= GetCount())
    return nullptr;
  return Figures[static_cast<std::size_t>(index)].get();
}

void TGraphAnnotate::Draw()
{
  if (!GetVisible())
    return;
  for (const auto& fig : Figures) {
    fig->Active = false;
    fig->Creating = false;
    fig->Draw();
  }
  Graph->Canvas->Pen().SetWidth(1);
}

void TGraphAnnotate::SetEditing(bool value)
{
  if (!GetVisible())
    return;
  for (const auto& fig : Figures)
    fig->Dragging = value ? 1 : 0;
}

void TGraphAnnotate::DeleteClick()
{
  if (!Selected())
    return;
  Figures.erase(Figures.begin() + HitIndex);
  // No selection points at a freed figure: Properties or a second Delete find none.
  HitIndex = -1;
  Graph->Paint();
}

void TGraphAnnotate::PropertiesClick()
{
  if (TFig* fig = Selected())
    fig->EditProperties();
}

void TGraphAnnotate::StartFigure(std::unique_ptr<TFig> fig, int x, int y)
{
  TFig& ref = *fig;
  HitIndex = AddFigure(std::move(fig));
  ref.Active = true;
  ref.Part = 2;
  ref.Creating = true;
  ref.LastX = x;
  ref.LastY = y;
}

void TGraphAnnotate::CreateFigure(int x, int y)
{
  const plot::TFloatPoint p{Graph->ScreenToX(x), Graph->ScreenToY(y)};
  switch (Tool) {
  case atLine:
    StartFigure(CreateAt<TMonoLine>(*Graph, LineWidth, FigureColor, p, p), x, y);
    break;
  case atArrow:
    StartFigure(CreateAt<TArrow>(*Graph, LineWidth, FigureColor, p, p), x, y);
    break;
  case atRectangle:
    StartFigure(CreateAt<TRectangle>(*Graph, LineWidth, FigureColor, p, p), x, y);
    break;
  case atCircle:
    StartFigure(CreateAt<TCircle>(*Graph, LineWidth, FigureColor, p, p), x, y);
    break;
  case atPencil: {
    auto pencil = std::make_unique<TPencil>(*Graph, PencilWidth, FigureColor);
    pencil->StrokePoints.Add(p.X);
    pencil->StrokePoints.Add(p.Y);
    StartFigure(std::move(pencil), x, y);
    break;
  }
  case atSymbol: {
    auto shape = std::make_unique<TShape>(*Graph);
    if (!shape->ChooseStyle())
      return;
    shape->X = p.X;
    shape->Y = p.Y;
    TFig& added = *shape;
    AddFigure(std::move(shape));
    added.Draw();
    break;
  }
  case atText: {
    auto note = std::make_unique<TNoteText>(*Graph);
    // A note without text would never show nor be found by the mouse: none is added.
    if (!note->EditNew() || note->Text.isEmpty())
      return;
    note->X = p.X;
    note->Y = p.Y;
    note->UpdateBox();
    TFig& added = *note;
    AddFigure(std::move(note));
    added.Draw();
    break;
  }
  case atNone:
    break;
  }
}

void TGraphAnnotate::MouseMoveActive(platform::TShiftState shift, int x, int y)
{
  Graph->Image->SetCursor(ToolCursor(Tool));
  if (Figures.empty()) {
    HitIndex = -1;
    return;
  }
  if (shift == platform::ssLeft && Selected() && Selected()->Active) {
    Selected()->MouseMove(x, y);
    return;
  }
  for (const auto& fig : Figures)
    if (fig->Active)
      fig->MouseUp(x, y);
  if (Tool == atNone) {
    for (int i = 0; i < GetCount(); ++i) {
      TFig& fig = *Figures[static_cast<std::size_t>(i)];
      if (!fig.HitTest(x, y))
        continue;
      if (shift & platform::ssShift)
        Graph->Image->SetCursor(109);
      else if (shift & platform::ssCtrl)
        Graph->Image->SetCursor(103);
      else if (shift == 0)
        Graph->Image->SetCursor(fig.Part == 0 ? 101 : 105);
      HitIndex = i;
      Hovered = true;
      return;
    }
  }
  HitIndex = -1;
  if (Tool == atNone && Hovered)
    Graph->Image->SetCursor(platform::crDefault);
}

void TGraphAnnotate::MouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y)
{
  if (Tool != atNone) {
    CreateFigure(x, y);
    // A symbol or note (or a cancelled one) leaves no figure selected, but the click was the
    // tool's: no info bubble or menu of the graph answers it.
    if (HitIndex == -1)
      HitIndex = kClickTaken;
    return;
  }
  if (Figures.empty())
    return;
  MouseMoveActive(shift, x, y);
  TFig* fig = Selected();
  if (!fig)
    return;
  if (button == platform::mbRight && shift == platform::ssRight) {
    const platform::TPoint at = Graph->Image->ClientToScreen({x, y});
    PopupMenu->Popup(at.X, at.Y);
    // A figure deleted from the menu leaves no selection, but the click stays taken so that the
    // graph opens no menu of its own; the next mouse move clears the mark.
    if (!Selected())
      HitIndex = kClickTaken;
    return;
  }
  if (shift == platform::ssLeft && fig->HitTest(x, y)) {
    fig->MouseDown(x, y);
    if (!fig->Creating)
      fig->DrawHandles();
  }
}

void TGraphAnnotate::MouseUp(platform::TMouseButton, platform::TShiftState, int x, int y)
{
  TFig* fig = Selected();
  if (!fig)
    return;
  const bool created = fig->Creating;
  fig->MouseUp(x, y);
  const bool drawsItself =
      dynamic_cast<TPencil*>(fig) || dynamic_cast<TShape*>(fig) || dynamic_cast<TNoteText*>(fig);
  if (created && drawsItself)
    fig->Draw();
  else if (AutoRefresh)
    Graph->Paint();
}

}  // namespace plotui
