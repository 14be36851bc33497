#pragma once
// The element data file Vexal.prt: the element count N and property count M, the M property names,
// then per element a separator line holding "===" and its M values (the first is its name). A file
// that breaks these rules gives no data at all, so nothing reads past what was loaded.

#include <string>
#include <vector>

namespace tools {

class TElementTable {
public:
  // Counts beyond this are taken for a damaged file.
  static constexpr int kMaxCount = 1000;

  // Takes the file's lines; false when they break the format: the table is then empty and BadLine
  // holds the line it was refused on.
  bool Parse(const std::vector<std::string>& lines);
  void Clear();

  int ElementCount() const { return int(values_.size()); }
  int PropertyCount() const { return int(names_.size()); }
  const std::vector<std::string>& PropertyNames() const { return names_; }
  // The values of element n (1-based); none outside 1..ElementCount.
  const std::vector<std::string>* Element(int n) const;
  const std::string& BadLine() const { return badLine_; }

  // The text quoted for a line missing at the end of the file.
  static constexpr const char* kEndOfFile = "<end of file>";

private:
  std::vector<std::string> names_;
  std::vector<std::vector<std::string>> values_;
  std::string badLine_;
};

// A count line: a decimal integer within 0..kMaxCount, optionally followed by a blank and any text.
bool ReadCount(const std::string& line, int& count);

}  // namespace tools
