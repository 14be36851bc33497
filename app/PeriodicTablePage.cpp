// The Periodic table page: a button for each element (its symbol, its name as hint, its atomic
// number as tag), lanthanum and actinium also at the head of their f-block rows, with group and
// period labels. A button shows the element window for its element.

#include "app/MainWindow.h"

#include "platform/ExceptionBoundary.h"
#include "platform/ProgramFolder.h"
#include "tools/PeriodicTableWindow.h"

#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

#include <array>

namespace app {

namespace {

struct TElement {
  const char* Symbol;
  const char* Name;
};

// The names as the page has always spelled them.
constexpr std::array<TElement, 109> kElements{{
    {"H", "Hydogen"},       {"He", "Helium"},        {"Li", "Lithium"},      {"Be", "Beryllium"},
    {"B", "Boron"},         {"C", "Carbon"},         {"N", "Nitrogen"},      {"O", "Oxygen"},
    {"F", "Fluorine"},      {"Ne", "Neon"},          {"Na", "Sodium"},       {"Mg", "Magnesium"},
    {"Al", "Aluminium"},    {"Si", "Silicon"},       {"P", "Phosphorus"},    {"S", "Sulfur"},
    {"Cl", "Chlorine"},     {"Ar", "Argon "},        {"K", "Potassium"},     {"Ca", "Calcium"},
    {"Sc", "Scandium "},    {"Ti", "Titanium"},      {"V", "Vanadium "},     {"Cr", "Chromium"},
    {"Mn", "Manganese"},    {"Fe", "Iron"},          {"Co", "Cobalt"},       {"Ni", "Nickel"},
    {"Cu", "Copper"},       {"Zn", "Zinc"},          {"Ga", "Gallium"},      {"Ge", "Germanium"},
    {"As", "Arsenic"},      {"Se", "Selenium"},      {"Br", "Bromine"},      {"Kr", "Kriptone"},
    {"Rb", "Rubidium"},     {"Sr", "Strontium"},     {"Y", "Yttrium"},       {"Zr", "Zirconium"},
    {"Nb", "Niobium"},      {"Mo", "Molybdenum"},    {"Tc", "Technetium"},   {"Ru", "Ruthenium"},
    {"Rh", "Rhodium"},      {"Pd", "Palladium"},     {"Ag", "Silver"},       {"Cd", "Cadmium"},
    {"In", "Indium"},       {"Sn", "Tin"},           {"Sb", "Antimony"},     {"Te", "Tellurium"},
    {"I", "Iodine"},        {"Xe", "Xenon"},         {"Cs", "Cesium"},       {"Ba", "Barium"},
    {"La", "Lanthanum"},    {"Ce", "Celenium"},      {"Pr", "Preseodymium"}, {"Nd", "Neodymium"},
    {"Pm", "Promethium"},   {"Sm", "Samarium"},      {"Eu", "Europium"},     {"Gd", "Gadolinium"},
    {"Tb", "Terbium"},      {"Dy", "Dysprosium"},    {"Ho", "Holmium"},      {"Er", "Erbium"},
    {"Tm", "Thulium"},      {"Yb", "Ytterbium"},     {"Lu", "Lutetium"},     {"Hf", "Hafnium"},
    {"Ta", "Tantalum"},     {"W", "Tungsten"},       {"Re", "Rhenium"},      {"Os", "Osmium"},
    {"Ir", "Iridium"},      {"Pt", "Platinum"},      {"Au", "Gold"},         {"Hg", "Mercury"},
    {"Tl", "Thallium"},     {"Pb", "Lead"},          {"Bi", "Bismuth"},      {"Po", "Polonium"},
    {"At", "Astatine"},     {"Rn", "Radon"},         {"Fr", "Francium"},     {"Ra", "Radium"},
    {"Ac", "Actinuim"},     {"Th", "Thorium"},       {"Pa", "Protactinium"}, {"U", "Uranium"},
    {"Np", "Neptunium"},    {"Pu", "Plutonium"},     {"Am", "Americium"},    {"Cm", "Curium"},
    {"Bk", "Berkelium"},    {"Cf", "Californium"},   {"Es", "Einsteinium"},  {"Fm", "Fermium"},
    {"Md", "Mendelevium"},  {"No", "Nobelium"},      {"Lr", "Lawrencium"},   {"Rf", "Rutherfordium"},
    {"Db", "Dubnium"},      {"Sg", "Seaborgium"},    {"Bh", "Bohrium"},      {"Hs", "Hassium"},
    {"Mt", "Meitnerium"},
}};

// The group over each of the 18 columns; VIIIB stands over three.
constexpr std::array<const char*, 18> kGroups{"IA",  "IIA",   "IIIB", "IVB", "VB",  "VIB",  "VIIB", "VIIIB", "",
                                              "",    "IB",    "IIB",  "IIIA", "IVA", "VA",   "VIA",  "VIIA",  "VIIIA"};

// Row (period - 1) and column (group - 1) of an element in the 18-column table; the lanthanoids
// and actinoids go to the two rows below it (rows 8 and 9).
void Place(int z, int& row, int& col)
{
  static const int periodStart[] = {1, 3, 11, 19, 37, 55, 87, 200};
  int period = 0;
  while (z >= periodStart[period + 1])
    ++period;
  const int index = z - periodStart[period];
  row = period;
  if (period == 0)
    col = z == 1 ? 0 : 17;
  else if (period <= 2)
    col = index < 2 ? index : index + 10;
  else if (period <= 4 || index < 2)
    col = index;
  else if (index < 17) {
    row = period + 3;
    col = index + 1;
  } else {
    col = index - 14;
  }
}

QToolButton* ElementButton(QWidget* page, int z)
{
  const TElement& element = kElements[std::size_t(z - 1)];
  auto* button = new QToolButton(page);
  button->setText(QString::fromLatin1(element.Symbol));
  button->setToolTip(QString::fromLatin1(element.Name));
  button->setProperty("Tag", z);
  button->setFixedSize(30, 22);
  return button;
}

}  // namespace

void TfmCalc::PTClick(int tag) { frnPT->ShowElement(tag); }

void TfmCalc::BuildPeriodicTablePage()
{
  frnPT = std::make_unique<tools::TfrnPT>(platform::ProgramFolder());
  TabSheet2 = new QWidget;
  TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
  auto* grid = new QGridLayout(TabSheet2);
  grid->setSpacing(2);
  // Labels in row 0 and column 0; the table from row 1 and column 1.
  for (int col = 0; col < 18; ++col)
    if (*kGroups[std::size_t(col)] != '\0')
      grid->addWidget(new QLabel(QString::fromLatin1(kGroups[std::size_t(col)]), TabSheet2), 0, col + 1,
                      1, col == 7 ? 3 : 1, Qt::AlignCenter);
  for (int period = 1; period <= 7; ++period)
    grid->addWidget(new QLabel(QString::number(period), TabSheet2), period, 0, Qt::AlignCenter);
  for (int z = 1; z <= int(kElements.size()); ++z) {
    int row = 0;
    int col = 0;
    Place(z, row, col);
    grid->addWidget(ElementButton(TabSheet2, z), row + 1, col + 1);
    if (z == 57 || z == 89)  // lanthanum and actinium stand in the main table too
      grid->addWidget(ElementButton(TabSheet2, z), z == 57 ? 6 : 7, 3);
  }
  grid->addWidget(new QLabel(QStringLiteral("Lanthanoids"), TabSheet2), 9, 1, 1, 3);
  grid->addWidget(new QLabel(QStringLiteral("Actinoids"), TabSheet2), 10, 1, 1, 3);
  grid->setRowMinimumHeight(8, 8);
  grid->setRowStretch(11, 1);
  grid->setColumnStretch(19, 1);
  for (QToolButton* button : TabSheet2->findChildren<QToolButton*>()) {
    const int tag = button->property("Tag").toInt();
    connect(button, &QToolButton::clicked, this, platform::Guarded([this, tag](bool) { PTClick(tag); }));
  }
}

}  // namespace app
