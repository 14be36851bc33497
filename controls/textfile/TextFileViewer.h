#pragma once
// The viewer of a text file held in memory: the file's lines (each at most 1023 characters) and one
// empty line after them, read-only.

#include "controls/textfile/BaseViewer.h"
#include "controls/textfile/ViewerLines.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace controls {

class TOvcCustomTextFileViewer : public TOvcBaseViewer {
 public:
  explicit TOvcCustomTextFileViewer(QWidget* parent = nullptr);

  // The name is kept as given (file names are case-sensitive here); a change reopens an open viewer.
  const QString& FileName() const { return fileName_; }
  void SetFileName(const QString& name);
  bool IsOpen() const { return lines_.has_value(); }
  // True loads FileName (EInOutError on failure, the viewer left closed and empty); false frees the lines.
  void SetIsOpen(bool open);
  std::int64_t FileSize() const { return fileSize_; }

  std::string_view GetLinePtr(int line) const override;
  int ValidLine(int line) const override;

 private:
  QString fileName_;
  std::int64_t fileSize_ = 0;
  std::optional<TVwrStringList> lines_;
};

class TOvcTextFileViewer : public TOvcCustomTextFileViewer {
 public:
  using TOvcCustomTextFileViewer::TOvcCustomTextFileViewer;
};

}  // namespace controls
