#include "plot/support/GraphMemIniFile.h"

#include "platform/Exceptions.h"
#include "platform/MessageDlg.h"
#include "platform/ModalRun.h"
#include "tests/support/FullDisk.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plot {
namespace {

struct TIniFixture {
  TIniFixture() { path = dir.filePath(QStringLiteral("plot.ini")); }
  void Write(const QByteArray& text) const
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  QByteArray Read() const
  {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  QTemporaryDir dir;
  QString path;
};

TEST(GraphMemIniFile, NamesAreFoundWithoutRegardToCase)
{
  TIniFixture f;
  f.Write("[Plot1]\r\nA=1\r\na=2\r\nPlot_MinLogVAlue=1E-10\r\nFormula=y=x*2\r\nloose line\r\n");
  TGraphMemIniFile ini(f.path);
  EXPECT_EQ(ini.ReadString(QStringLiteral("PLOT1"), QStringLiteral("a"), QString()), QStringLiteral("1"));
  EXPECT_EQ(ini.ReadFloat(QStringLiteral("plot1"), QStringLiteral("Plot_MinLogValue"), 0), 1e-10);
  EXPECT_EQ(ini.ReadString(QStringLiteral("Plot1"), QStringLiteral("Formula"), QString()), QStringLiteral("y=x*2"));
  EXPECT_EQ(ini.ReadString(QStringLiteral("Plot1"), QStringLiteral("loose line"), QStringLiteral("d")),
            QStringLiteral("d"));

  ini.WriteString(QStringLiteral("plot1"), QStringLiteral("a"), QStringLiteral("3"));
  QStringList values;
  ini.ReadSectionValues(QStringLiteral("Plot1"), values);
  EXPECT_EQ(values, (QStringList{QStringLiteral("a=3"), QStringLiteral("a=2"), QStringLiteral("Plot_MinLogVAlue=1E-10"),
                                 QStringLiteral("Formula=y=x*2"), QStringLiteral("loose line")}));
  QStringList names;
  ini.ReadSection(QStringLiteral("Plot1"), names);
  EXPECT_EQ(names, (QStringList{QStringLiteral("a"), QStringLiteral("a"), QStringLiteral("Plot_MinLogVAlue"),
                                QStringLiteral("Formula"), QString()}));
  ini.WriteString(QStringLiteral("New"), QStringLiteral("K"), QStringLiteral("v"));
  ini.ReadSections(names);
  EXPECT_EQ(names, (QStringList{QStringLiteral("Plot1"), QStringLiteral("New")}));
}

TEST(GraphMemIniFile, TypedReads)
{
  TGraphMemIniFile ini{QString()};
  const QString s = QStringLiteral("S");
  struct TCase {
    const char* text;
    int integer;  // default 7
    bool boolean;  // default true
  };
  const TCase cases[] = {
      {"0x1F", 31, true},  {"0X1f", 31, true},      {"0x", 7, true},   {"0", 0, false},   {"-12", -12, true},
      {"True", 7, true},   {"0xFFFFFFFF", -1, true}, {"12a", 7, true}, {"", 7, true},
  };
  for (const TCase& c : cases) {
    ini.WriteString(s, QStringLiteral("K"), QString::fromLatin1(c.text));
    EXPECT_EQ(ini.ReadInteger(s, QStringLiteral("K"), 7), c.integer) << c.text;
    EXPECT_EQ(ini.ReadBool(s, QStringLiteral("k"), true), c.boolean) << c.text;
  }
  EXPECT_EQ(ini.ReadInteger(QStringLiteral("missing"), QStringLiteral("K"), 5), 5);
  QStringList sections;
  ini.ReadSections(sections);
  EXPECT_EQ(sections.size(), 1);  // reading creates nothing

  for (const double v : {0.1 + 0.2, -1e-300, 123456789.125, 1e22}) {
    ini.WriteFloat(s, QStringLiteral("F"), v);
    EXPECT_EQ(ini.ReadFloat(s, QStringLiteral("F"), 0), v);
  }
  ini.WriteString(s, QStringLiteral("F"), QStringLiteral("1,5"));
  EXPECT_EQ(ini.ReadFloat(s, QStringLiteral("F"), 9), 9);

  const QDate date(2026, 12, 11);
  const QTime time(1, 2, 3);
  ini.WriteDate(s, QStringLiteral("D"), date);
  ini.WriteTime(s, QStringLiteral("T"), time);
  ini.WriteDateTime(s, QStringLiteral("DT"), QDateTime(date, time));
  EXPECT_EQ(ini.ReadDate(s, QStringLiteral("D"), {}), date);
  EXPECT_EQ(ini.ReadTime(s, QStringLiteral("T"), {}), time);
  EXPECT_EQ(ini.ReadDateTime(s, QStringLiteral("DT"), {}), QDateTime(date, time));
  ini.WriteDate(QStringLiteral("Old"), QStringLiteral("D"), QDate(1926, 1, 2));
  EXPECT_EQ(ini.ReadDate(QStringLiteral("Old"), QStringLiteral("D"), {}), QDate(1926, 1, 2));  // whole year kept
  const QDate fallback(2000, 1, 1);
  EXPECT_EQ(ini.ReadDate(s, QStringLiteral("T"), fallback), fallback);
  EXPECT_EQ(ini.ReadDate(s, QStringLiteral("none"), fallback), fallback);
}

TEST(GraphMemIniFile, WrittenBackInSectionsKeepingCommentsAndLeadingLines)
{
  TIniFixture f;
  f.Write("; settings of the program\r\nloose=1\r\n\r\n[A]\r\nx=1\r\n; keep me\r\n\r\ny=2\n[B]\rz=3\r\n");
  {
    TGraphMemIniFile ini(f.path);
    QStringList values;
    ini.ReadSectionValues(QStringLiteral("A"), values);
    EXPECT_EQ(values, (QStringList{QStringLiteral("x=1"), QStringLiteral("y=2")}));
    EXPECT_EQ(ini.ReadString(QStringLiteral("A"), QStringLiteral("; keep me"), QStringLiteral("d")),
              QStringLiteral("d"));
    ini.WriteInteger(QStringLiteral("B"), QStringLiteral("w"), 4);
  }
  EXPECT_EQ(f.Read(), "; settings of the program\r\nloose=1\r\n\r\n"
                      "[A]\r\nx=1\r\n; keep me\r\ny=2\r\n\r\n"
                      "[B]\r\nz=3\r\nw=4\r\n\r\n");

  TGraphMemIniFile ini(f.path);
  ini.EraseSection(QStringLiteral("a"));
  ini.DeleteKey(QStringLiteral("b"), QStringLiteral("Z"));
  ini.UpdateFile();
  EXPECT_FALSE(ini.Modified());
  EXPECT_EQ(f.Read(), "; settings of the program\r\nloose=1\r\n\r\n[B]\r\nw=4\r\n\r\n");
}

TEST(GraphMemIniFile, FileIsRewrittenOnlyWhenChanged)
{
  TIniFixture f;
  const QByteArray original = "[A]\nx=1\n;comment\n";
  f.Write(original);
  {
    TGraphMemIniFile ini(f.path);
    ini.WriteString(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("1"));  // the same line
    ini.DeleteKey(QStringLiteral("A"), QStringLiteral("missing"));
    ini.EraseSection(QStringLiteral("missing"));
    EXPECT_FALSE(ini.Modified());
  }
  EXPECT_EQ(f.Read(), original);

  // A new file comes only with something to hold.
  const QString fresh = f.dir.filePath(QStringLiteral("new.ini"));
  { TGraphMemIniFile ini(fresh); }
  EXPECT_FALSE(QFileInfo::exists(fresh));
  {
    TGraphMemIniFile ini(fresh);
    ini.WriteBool(QStringLiteral("Plot"), QStringLiteral("Plot_Saved"), true);
  }
  EXPECT_TRUE(QFileInfo::exists(fresh));
  EXPECT_TRUE(TGraphMemIniFile(fresh).ReadBool(QStringLiteral("plot"), QStringLiteral("plot_saved"), false));
}

// A folder of its own that can be made read-only: by its permissions, or for root (whom
// permissions don't stop) as a small file system mounted read-only.
class TReadOnlyFolder {
public:
  TReadOnlyFolder()
  {
    if (::geteuid() != 0) {
      folder_ = QFile::encodeName(dir_.path()).toStdString();
      return;
    }
    if (disk_.Mounted())
      folder_ = disk_.Path("");
  }
  bool Usable() const { return !folder_.empty(); }
  const std::string& Why() const { return disk_.Why(); }
  QString Path(const char* name) const { return QFile::decodeName(folder_.c_str()) + QLatin1Char('/') + name; }
  bool SetReadOnly(bool on) const
  {
    if (::geteuid() != 0)
      return ::chmod(folder_.c_str(), on ? 0555 : 0755) == 0;
    return ::mount("vexal-test", folder_.c_str(), "tmpfs", MS_REMOUNT | (on ? MS_RDONLY : 0), nullptr) == 0;
  }

private:
  QTemporaryDir dir_;
  testsupport::FullDisk disk_;
  std::string folder_;
};

QByteArray ReadFile(const QString& path)
{
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(GraphMemIniFile, ReadOnlyFolderReadsAndReportsFailedWrites)
{
  TReadOnlyFolder folder;
  if (!folder.Usable())
    GTEST_SKIP() << folder.Why();
  const QString path = folder.Path("plot.ini");
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[A]\r\nx=1\r\n");
  }
  ASSERT_TRUE(folder.SetReadOnly(true));
  {
    TGraphMemIniFile ini(path);  // reading and releasing unchanged is fine
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("A"), QStringLiteral("x"), 0), 1);
    ini.WriteInteger(QStringLiteral("A"), QStringLiteral("x"), 1);
  }
  {
    TGraphMemIniFile ini(path);
    ini.WriteInteger(QStringLiteral("A"), QStringLiteral("x"), 2);
    try {
      ini.UpdateFile();
      ADD_FAILURE() << "a read-only folder took the file";
    } catch (const platform::EFileError& e) {
      EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Can't create file "))) << e.Message().toStdString();
      EXPECT_TRUE(e.Message().contains(path));
    }
    EXPECT_EQ(ReadFile(path), "[A]\r\nx=1\r\n");
    EXPECT_TRUE(ini.Modified());  // the change is still owed to the file
    ASSERT_TRUE(folder.SetReadOnly(false));
  }
  EXPECT_EQ(ReadFile(path), "[A]\r\nx=2\r\n\r\n");

  // A change that can't be written when the object goes is reported, not lost silently.
  QString reported;
  platform::ModalScript script;
  script.Then([&](platform::ModalSubject& subject) {
    reported = static_cast<platform::MessageBoxSubject&>(subject).Text();
    return platform::mrOk;
  });
  ASSERT_TRUE(folder.SetReadOnly(true));
  {
    TGraphMemIniFile ini(path);
    ini.WriteInteger(QStringLiteral("A"), QStringLiteral("x"), 3);
  }
  QCoreApplication::processEvents();
  EXPECT_TRUE(reported.startsWith(QStringLiteral("Can't create file "))) << reported.toStdString();
  EXPECT_EQ(ReadFile(path), "[A]\r\nx=2\r\n\r\n");
  ASSERT_TRUE(folder.SetReadOnly(false));
}

}  // namespace
}  // namespace plot
