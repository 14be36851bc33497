#pragma once
// Hostile inputs for the short, repeatable runs of the file readers' fuzz targets: every truncation of
// valid files, each of their lines replaced by odd texts, repeatable random mutations, and a fixed list
// of odd files (every kind of line end, NUL and control bytes, a line of 100000 characters, huge counts).

#include <cstddef>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

// Texts no reader should take for what they seem: odd numbers, counts and bytes.
inline const std::vector<std::string>& HostileTexts()
{
  static const std::vector<std::string> texts = {
      "", " ", "NaN", "nan", "-NAN", "INF", "-INF", "Infinity", "1E99999", "-1E99999", "1E-99999", "-0",
      "0x1F", "0X7FFFFFFF", "$FFFFFFFF", "$-1", "-$1", "0x1p3", "2147483647", "2147483648", "-2147483649",
      "99999999999999999999999999", "-1", "1e", ".", "+", "-", "1,5", "1.5.5", "=", "[", "[]", "]", "==",
      std::string(1, '\0'), std::string("1\0002", 3), "\x1a", "\t", "\x7f\x80\xff", "\xb2\xb3\xbd",
      std::string(100000, '9'), std::string(100000, 'A'), "Matrix A", ", , ,", " = 5", "x = ", "x = 1E4933"};
  return texts;
}

// A line end of each kind, the line ends a reader may take for text, and the end-of-file code.
inline const std::vector<std::string>& OddFiles()
{
  static const std::vector<std::string> files = {
      "",
      "\r",
      "\n",
      "\r\n",
      "\n\r",
      "\r\r\n\n",
      "no line end",
      "a\rb\nc\r\nd",
      std::string("\0\0\0", 3),
      std::string("a\0b\r\nc\0", 7),
      "\x1a" "after the end of file",
      std::string(100000, 'x'),
      std::string(100000, '\r'),
      std::string(100000, '\n'),
      std::string(50000, '=') + "\r\n" + std::string(50000, '['),
      "[" + std::string(100000, 's'),
      "2000000000\r\n1\r\n",
      "-5\r\n1\r\n2\r\n",
  };
  return files;
}

// Each line of the valid files replaced by each hostile text, and each hostile text after the line's
// "=" or first blank, where a reader's value starts.
inline std::vector<std::string> LineReplacements(const std::vector<std::string>& valid)
{
  std::vector<std::string> inputs;
  for (const std::string& file : valid) {
    std::size_t start = 0;
    while (start < file.size()) {
      std::size_t end = file.find_first_of("\r\n", start);
      if (end == std::string::npos)
        end = file.size();
      const std::string line = file.substr(start, end - start);
      std::size_t valueAt = line.find('=');
      valueAt = valueAt == std::string::npos ? line.find(' ') : valueAt + 1;
      for (const std::string& text : HostileTexts()) {
        inputs.push_back(file.substr(0, start) + text + file.substr(end));
        if (valueAt != std::string::npos)
          inputs.push_back(file.substr(0, start) + line.substr(0, valueAt) + text + file.substr(end));
      }
      start = end + 1;
    }
  }
  return inputs;
}

// Repeatable random mutations of the valid files: flipped bits, bytes that mean something to a reader
// put in, spans cut out or doubled.
inline std::vector<std::string> Mutations(const std::vector<std::string>& valid, int count, unsigned seed = 7919)
{
  static constexpr std::string_view special("\r\n\x1a\0=[];, \t-.E$x", 16);
  std::mt19937 random(seed);
  std::vector<std::string> inputs;
  for (int round = 0; round < count && !valid.empty(); ++round) {
    std::string bytes = valid[std::size_t(round) % valid.size()];
    const int edits = 1 + int(random() % 4);
    for (int e = 0; e < edits && !bytes.empty(); ++e) {
      const std::size_t at = random() % bytes.size();
      const std::size_t span = 1 + random() % 16;
      switch (random() % 5) {
        case 0:
          bytes[at] = char(bytes[at] ^ char(1u << (random() % 8)));
          break;
        case 1:
          bytes.insert(at, 1, special[random() % special.size()]);
          break;
        case 2:
          bytes.erase(at, span);
          break;
        case 3:
          bytes.insert(at, bytes.substr(at, span));
          break;
        default:
          bytes[at] = char(random());
          break;
      }
    }
    inputs.push_back(std::move(bytes));
  }
  return inputs;
}

// Every prefix of each valid file.
inline std::vector<std::string> Truncations(const std::vector<std::string>& valid)
{
  std::vector<std::string> inputs;
  for (const std::string& file : valid)
    for (std::size_t length = 0; length <= file.size(); ++length)
      inputs.push_back(file.substr(0, length));
  return inputs;
}

// How many times the mutations of a run are taken: VEXAL_FUZZ_SCALE (1 to 1000) for the long runs, else 1.
inline int FuzzScale()
{
  const char* text = std::getenv("VEXAL_FUZZ_SCALE");
  const long scale = text ? std::strtol(text, nullptr, 10) : 1;
  return scale < 1 ? 1 : scale > 1000 ? 1000 : static_cast<int>(scale);
}

// All of the above for a reader of files like the valid ones.
inline std::vector<std::string> HostileFiles(const std::vector<std::string>& valid, int mutations = 1500)
{
  std::vector<std::string> inputs = OddFiles();
  for (auto&& part : {Truncations(valid), LineReplacements(valid), Mutations(valid, mutations * FuzzScale())})
    inputs.insert(inputs.end(), part.begin(), part.end());
  return inputs;
}

}  // namespace testsupport
