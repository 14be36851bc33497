#include "plotui/data/ImportDialog.h"

#include "plotui/data/ExportText.h"
#include "plotui/data/FieldsDialog.h"
#include "plotui/data/FileDataDialog.h"
#include "plotui/dialogs/MarkerStyleDialog.h"
#include "plotui/series/Series.h"
#include "plotui/series/SeriesLegend.h"

#include "plot/graph/Graph.h"

#include "platform/ClipboardText.h"
#include "platform/ExceptionBoundary.h"
#include "platform/Exceptions.h"
#include "platform/FileDialogs.h"
#include "platform/Menus.h"
#include "platform/MessageDlg.h"
#include "platform/StringGrid.h"
#include "platform/TextFile.h"
#include "platform/ToolBar.h"
#include "platform/UpDown.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace plotui {

namespace {

constexpr int kShownDigits = 7;
constexpr platform::TColor kNewPointColor = 32768;

QString AxisCaption(const QString& name, const char* fallback)
{
  return name.isEmpty() ? QString::fromLatin1(fallback) : name;
}

QString Quoted(const QString& text) { return QStringLiteral("\"") + text + QStringLiteral("\""); }

}  // namespace

TfmGraphImport::TfmGraphImport(QWidget* parent) : Form(parent)
{
  setObjectName(QStringLiteral("fmGraphImport"));
  setWindowTitle(QStringLiteral("Paste Series from Clipboard"));

  MainMenu = std::make_unique<platform::TMainMenu>(*this);
  GridMenu = std::make_unique<platform::TPopupMenu>();
  ToolBar = new platform::TToolBar(this);
  ToolBar->setObjectName(QStringLiteral("ToolBar"));
  sbPaste = &ToolBar->AddButton(QStringLiteral("sbPaste"), QStringLiteral("Paste from Clipboard"),
                                [this] { platform::Guard([this] { PasteAsIs(); }); });
  sbPasteFields = &ToolBar->AddButton(QStringLiteral("sbPasteFields"), QStringLiteral("Paste from Clipboard by Fields"),
                                      [this] { platform::Guard([this] { PasteByFieldNames(); }); });
  ToolBar->AddSeparator();
  sbOpen = &ToolBar->AddButton(QStringLiteral("sbOpen"), QStringLiteral("Load from ASCII file"),
                               [this] { platform::Guard([this] { OpenTextFile(); }); });

  edXHeader = new QLineEdit(this);
  edXHeader->setObjectName(QStringLiteral("edXHeader"));
  edXHeader->setReadOnly(true);
  edYHeader = new QLineEdit(this);
  edYHeader->setObjectName(QStringLiteral("edYHeader"));
  edYHeader->setReadOnly(true);
  sgMain = new platform::TStringGrid(this);
  sgMain->setObjectName(QStringLiteral("sgMain"));
  sgMain->SetColCount(TImportGrid::kCols);
  sgMain->SetRowCount(TImportGrid::kMinRows);
  sgMain->SetFixedCols(0);
  sgMain->SetFixedRows(0);
  sgMain->SetDefaultColWidth(80);
  sgMain->SetOptions(sgMain->Options() | (1u << platform::goEditing));
  sgMain->OnMouseDown = [this](platform::TMouseButton button, platform::TShiftState, int x, int y) {
    if (button != platform::mbRight)
      return;
    const QPoint at = sgMain->mapToGlobal(QPoint(x, y));
    GridMenu->Popup(at.x(), at.y());
  };

  gbSeries = new QGroupBox(QStringLiteral("Series Properties"), this);
  gbSeries->setObjectName(QStringLiteral("gbSeries"));
  edSeriesName = new QLineEdit(gbSeries);
  edSeriesName->setObjectName(QStringLiteral("edSeriesName"));
  cbSeriesStyle = new QComboBox(gbSeries);
  cbSeriesStyle->setObjectName(QStringLiteral("cbSeriesStyle"));
  cbSeriesStyle->addItems({QStringLiteral("Points"), QStringLiteral("Line"), QStringLiteral("Line and Point "),
                           QStringLiteral("Area"), QStringLiteral("Bar"), QStringLiteral("Bar Z-Order")});
  cbSeriesLineStyle = new QComboBox(gbSeries);
  cbSeriesLineStyle->setObjectName(QStringLiteral("cbSeriesLineStyle"));
  cbSeriesLineStyle->addItems({QStringLiteral("Solid"), QStringLiteral("Dash "), QStringLiteral("Dot"),
                               QStringLiteral("DashDot"), QStringLiteral("DashDotDot "), QStringLiteral("Clear")});
  edLineWidth = new QLineEdit(gbSeries);
  edLineWidth->setObjectName(QStringLiteral("edLineWidth"));
  edLineWidth->setReadOnly(true);
  udLineWidth = new platform::UpDown(gbSeries);
  udLineWidth->setObjectName(QStringLiteral("udLineWidth"));
  udLineWidth->SetMin(1);
  udLineWidth->SetMax(10);
  udLineWidth->SetAssociate(edLineWidth);
  chShowInLegend = new QCheckBox(QStringLiteral("Show In Legend"), gbSeries);
  chShowInLegend->setObjectName(QStringLiteral("chShowInLegend"));
  chShowInLegend->setVisible(false);
  btSymbols = new QPushButton(QStringLiteral("Symbols..."), this);
  btSymbols->setObjectName(QStringLiteral("btSymbols"));
  btColor = new QPushButton(QStringLiteral("Color..."), this);
  btColor->setObjectName(QStringLiteral("btColor"));
  BitBtn1 = new QPushButton(QStringLiteral("&OK"), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  btCancel = new QPushButton(QStringLiteral("Cancel"), this);
  btCancel->setObjectName(QStringLiteral("btCancel"));

  auto* series = new QGridLayout(gbSeries);
  series->addWidget(new QLabel(QStringLiteral("Name"), gbSeries), 0, 0);
  series->addWidget(edSeriesName, 0, 1, 1, 2);
  series->addWidget(new QLabel(QStringLiteral("Style"), gbSeries), 1, 0);
  series->addWidget(cbSeriesStyle, 1, 1, 1, 2);
  series->addWidget(new QLabel(QStringLiteral("Line Style"), gbSeries), 2, 0);
  series->addWidget(cbSeriesLineStyle, 2, 1, 1, 2);
  series->addWidget(new QLabel(QStringLiteral("Line Width"), gbSeries), 3, 0);
  series->addWidget(edLineWidth, 3, 1);
  series->addWidget(udLineWidth, 3, 2);
  series->addWidget(chShowInLegend, 4, 0, 1, 3);
  auto* headers = new QHBoxLayout;
  headers->setSpacing(0);
  headers->addWidget(edXHeader);
  headers->addWidget(edYHeader);
  auto* left = new QVBoxLayout;
  left->addLayout(headers);
  left->addWidget(sgMain, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(gbSeries);
  right->addWidget(btSymbols);
  right->addWidget(btColor);
  right->addStretch();
  right->addWidget(BitBtn1);
  right->addWidget(btCancel);
  auto* body = new QHBoxLayout;
  body->addLayout(left, 1);
  body->addLayout(right);
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(&MainMenu->Bar());
  layout->addWidget(ToolBar);
  layout->addLayout(body, 1);
  BuildMenus();
  resize(440, 420);

  connect(edSeriesName, &QLineEdit::textChanged, this, [this] { NameChange(); });
  connect(btSymbols, &QPushButton::clicked, this, [this] { SymbolsClick(); });
  connect(btColor, &QPushButton::clicked, this, [this] { ColorClick(); });
  connect(BitBtn1, &QPushButton::clicked, this, [this] { OkClick(); });
  BindModalButton(btCancel, platform::mrCancel);
  SetDefaultButton(BitBtn1);
  SetCancelButton(btCancel);
  if (QClipboard* clipboard = QGuiApplication::clipboard())
    connect(clipboard, &QClipboard::dataChanged, this, [this] { UpdatePasteCommands(); });
  UpdatePasteCommands();
}

TfmGraphImport::~TfmGraphImport() = default;

void TfmGraphImport::BuildMenus()
{
  platform::TMenuItem& root = MainMenu->Items();
  platform::TMenuItem& file = root.Add(QStringLiteral("miFile"), QStringLiteral("&File"));
  file.Add(QStringLiteral("miOpen"), QStringLiteral("Open"), [this] { OpenTextFile(); });
  file.AddLine();
  file.Add(QStringLiteral("miExit"), QStringLiteral("E&xit"));
  platform::TMenuItem& paste = root.Add(QStringLiteral("miPaste"), QStringLiteral("&Paste"));
  paste.Add(QStringLiteral("miAsIs"), QStringLiteral("&As Is"), [this] { PasteAsIs(); });
  paste.Add(QStringLiteral("miUseFieldsName"), QStringLiteral("&Use Fields Name"), [this] { PasteByFieldNames(); });
  platform::TMenuItem& tools = root.Add(QStringLiteral("miTools"), QStringLiteral("&Tools"));
  tools.Add(QStringLiteral("miInsertRow"), QStringLiteral("&Insert Row"), [this] { InsertRow(); });
  tools.Add(QStringLiteral("miDeleteRow"), QStringLiteral("&Delete Row"), [this] { DeleteRow(); });
  tools.AddLine();
  tools.Add(QStringLiteral("miEraseColumn"), QStringLiteral("Erase &Column"), [this] { EraseColumn(); });
  tools.Add(QStringLiteral("miEraseAll"), QStringLiteral("&Erase All"), [this] { EraseAll(); });

  platform::TMenuItem& popup = GridMenu->Items();
  popup.Add(QStringLiteral("pmPaste"), QStringLiteral("&Paste"), [this] { PasteAsIs(); });
  popup.Add(QStringLiteral("pmPasteFields"), QStringLiteral("Paste by &Field Name"), [this] { PasteByFieldNames(); });
  popup.AddLine();
  popup.Add(QStringLiteral("pmInsertRow"), QStringLiteral("Insert &Row"), [this] { InsertRow(); });
  popup.Add(QStringLiteral("pmDeleteRow"), QStringLiteral("D&elete Row"), [this] { DeleteRow(); });
  popup.AddLine();
  popup.Add(QStringLiteral("pmEraseAll"), QStringLiteral("Erase &All"), [this] { EraseAll(); });
  popup.Add(QStringLiteral("pmEraseColumn"), QStringLiteral("Erase &Column"), [this] { EraseColumn(); });
}

void TfmGraphImport::UpdatePasteCommands()
{
  const bool text = platform::ClipboardHasText();
  sbPaste->SetEnabled(text);
  sbPasteFields->SetEnabled(text);
  platform::TMenuItem& root = MainMenu->Items();
  root.Find(QStringLiteral("miAsIs"))->SetEnabled(text);
  root.Find(QStringLiteral("miUseFieldsName"))->SetEnabled(text);
}

bool TfmGraphImport::EditSeries(plot::TGraph& graph, TSeries* series)
{
  graph_ = &graph;
  edXHeader->setText(AxisCaption(graph.XAxis->Name, "X"));
  edYHeader->setText(AxisCaption(graph.YAxis->Name, "Y"));
  if (series) {
    series_ = series;
    setWindowTitle(QStringLiteral("Edit Series - [ ") + series->Name + QStringLiteral(" ]"));
  } else {
    newSeries_ = std::make_unique<TSeries>(graph, QStringLiteral("New Series"), plot::kStyleLineAndPoint,
                                           graph.GetFreeColor().value_or(platform::clBlack));
    series_ = newSeries_.get();
    setWindowTitle(QStringLiteral("Add Series - [ New Series ]"));
  }
  ColorDialog.Color = series_->GetColor();
  const auto* style = std::find(std::begin(kImportStyles), std::end(kImportStyles), series_->GetStyle());
  cbSeriesStyle->setCurrentIndex(style == std::end(kImportStyles) ? -1 : int(style - std::begin(kImportStyles)));
  cbSeriesLineStyle->setCurrentIndex(series_->LineStyle);
  edSeriesName->setText(series_->Name);
  udLineWidth->SetPosition(series_->GetLineWidthPixels());

  const int count = series_->GetCount();
  grid_.Reset(count);
  records_.clear();
  records_.reserve(std::size_t(count));
  points_.resize(std::size_t(count));
  for (int i = 0; i < count; ++i) {
    const plot::TFloatPoint p = series_->GetPoint(i);
    points_[std::size_t(i)] = p;
    records_.push_back(series_->GetData(i));
    grid_.SetCell(0, i, GeneralNumber(p.X, kShownDigits));
    grid_.SetCell(1, i, GeneralNumber(p.Y, kShownDigits));
    grid_.SetOrigin(i, i);
  }
  ShowGrid();

  const bool ok = ShowModal() == platform::mrOk;
  newSeries_.reset();
  return ok;
}

void TfmGraphImport::NameChange()
{
  const QString title = windowTitle();
  const qsizetype bracket = title.indexOf(QLatin1Char('['));
  setWindowTitle((bracket < 0 ? title : title.left(bracket)) + QStringLiteral("[ ") + edSeriesName->text() +
                 QStringLiteral(" ]"));
}

void TfmGraphImport::ShowGrid()
{
  sgMain->SetRowCount(grid_.RowCount());
  for (int r = 0; r < grid_.RowCount(); ++r)
    for (int c = 0; c < TImportGrid::kCols; ++c)
      sgMain->SetCells(c, r, grid_.Cell(c, r));
}

void TfmGraphImport::TakeGrid()
{
  if (sgMain->EditorMode())
    sgMain->HideEditor();
  const int rows = std::min(grid_.RowCount(), sgMain->RowCount());
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < TImportGrid::kCols; ++c)
      if (sgMain->Cells(c, r) != grid_.Cell(c, r))
        grid_.SetCell(c, r, sgMain->Cells(c, r));
}

const TImportGrid& TfmGraphImport::Grid()
{
  TakeGrid();
  return grid_;
}

void TfmGraphImport::PasteAsIs()
{
  const std::optional<std::string> text = platform::ClipboardText();
  if (!text) {
    platform::MessageDlg(QStringLiteral("There is no data on the Clipboard"), platform::mtInformation,
                         platform::mbOK);
    return;
  }
  TakeGrid();
  grid_.PasteAsIs(ImportDelimiters(), *text, sgMain->Row(), sgMain->Col());
  ShowGrid();
}

void TfmGraphImport::PasteByFieldNames()
{
  const std::optional<std::string> text = platform::ClipboardText();
  const std::vector<std::string> lines = text ? TextLines(*text) : std::vector<std::string>();
  if (lines.empty()) {
    platform::MessageDlg(QStringLiteral("Clipboard not contents text information"), platform::mtWarning,
                         platform::mbOK);
    return;
  }
  const QStringList required{QStringLiteral("X"), QStringLiteral("Y")};
  TfmFields fields(required, FieldNames(ImportDelimiters(), lines.front()), this);
  if (fields.ShowModal() != platform::mrOk)
    return;
  TakeGrid();
  const std::vector<int>& links = fields.Links();
  grid_.PasteFields(ImportDelimiters(), {lines.begin() + 1, lines.end()}, {links[0], links[1]}, sgMain->Row());
  ShowGrid();
}

void TfmGraphImport::OpenTextFile()
{
  platform::TOpenDialog open;
  open.Title = QStringLiteral("ASCII Data File Selection");
  open.Filter = QStringLiteral("Any ASCII files (*.*)|*.*");
  open.Options = platform::ofHideReadOnly | platform::ofFileMustExist;
  if (!open.Execute())
    return;
  std::vector<std::string> lines;
  try {
    lines = platform::ReadTextLines(open.FileName);
  } catch (const platform::EFileError&) {
    platform::MessageDlg(QString::fromLatin1(platform::kCantReadFile) + open.FileName, platform::mtError,
                         platform::mbOK);
    return;
  }
  TfmFileData data(lines, this);
  if (data.ShowModal() != platform::mrOk)
    return;
  int xColumn = 0, yColumn = 0;
  if (!data.TakeChoices(ImportDelimiters(), xColumn, yColumn))
    return;
  grid_.ReadColumns(ImportDelimiters(), lines, xColumn, yColumn);
  ShowGrid();
}

void TfmGraphImport::InsertRow()
{
  TakeGrid();
  grid_.InsertRow(sgMain->Row());
  ShowGrid();
}

void TfmGraphImport::DeleteRow()
{
  TakeGrid();
  grid_.DeleteRow(sgMain->Row());
  ShowGrid();
}

void TfmGraphImport::EraseAll()
{
  TakeGrid();
  grid_.EraseAll();
  ShowGrid();
}

void TfmGraphImport::EraseColumn()
{
  TakeGrid();
  grid_.EraseColumn(sgMain->Col());
  ShowGrid();
}

void TfmGraphImport::SymbolsClick()
{
  TfmMarkerStyle symbols(this);
  symbols.EditSeries(*series_, {});
}

void TfmGraphImport::ColorClick() { ColorDialog.Execute(); }

void TfmGraphImport::RebuildPoints(const TGridPoints& points)
{
  series_->Clear();
  for (std::size_t i = 0; i < points.X.size(); ++i) {
    const int origin = points.Origin[i];
    if (origin < 0 || std::size_t(origin) >= records_.size()) {
      series_->AddPoint(points.X[i], points.Y[i], kNewPointColor, QString());
      continue;
    }
    // A row that still shows its point keeps the exact values and the point's own settings.
    const TGraphData& old = records_[std::size_t(origin)];
    const plot::TFloatPoint exact = points_[std::size_t(origin)];
    TGraphData& data = series_->AddPoint(exact.X, exact.Y, old.Color, old.Name);
    data.Kind = old.Kind;
    data.Marker = old.Marker;
    data.HitEnabled = old.HitEnabled;
    data.Switch2 = old.Switch2;
    data.Int1 = old.Int1;
    data.Int2 = old.Int2;
  }
}

void TfmGraphImport::OkClick()
{
  TakeGrid();
  const TGridPoints points = ReadGridPoints(grid_);
  auto badRow = [&] {
    const int r = points.BadRow;
    return QStringLiteral("row ") + QString::number(r + 1) + QStringLiteral(" (") + Quoted(grid_.Cell(0, r)) +
           QStringLiteral(", ") + Quoted(grid_.Cell(1, r)) + QStringLiteral(")");
  };
  if (points.X.empty()) {
    // Nothing to build from: the series keeps its points and the window stays open.
    const QString why = points.BadRow < 0 ? QStringLiteral("The table holds no points.")
                                          : QStringLiteral("No points read: ") + badRow() +
                                                QStringLiteral(" is not a pair of numbers.");
    platform::MessageDlg(why, platform::mtWarning, platform::mbOK);
    return;
  }
  if (points.BadRow >= 0)
    platform::MessageDlg(QStringLiteral("The points end before ") + badRow() +
                             QStringLiteral(": it is not a pair of numbers."),
                         platform::mtInformation, platform::mbOK);
  RebuildPoints(points);
  series_->SetVisible(true);
  // Setting the colour recolours every marker: only a new colour is set.
  if (ColorDialog.Color != series_->GetColor())
    series_->SetColor(ColorDialog.Color);
  if (cbSeriesStyle->currentIndex() >= 0)
    series_->SetStyle(kImportStyles[cbSeriesStyle->currentIndex()]);
  if (cbSeriesLineStyle->currentIndex() >= 0)
    series_->SetLineStyle(cbSeriesLineStyle->currentIndex());
  series_->Name = edSeriesName->text();
  if (newSeries_) {
    auto entry = std::make_unique<TSeriesLegend>(*graph_);
    series_->UpdateLegend(*entry);
    graph_->Legend->Add(std::move(entry));
  } else if (series_->Legend) {
    series_->UpdateLegend(*series_->Legend);
  }
  series_->SetLineWidth(udLineWidth->Position());
  if (newSeries_)
    graph_->AddLayer(std::move(newSeries_));
  SetModalResult(platform::mrOk);
}

}  // namespace plotui
