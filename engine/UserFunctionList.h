#pragma once
// A list of user functions: one definition a line, NAME(p1,...,pn)=body, kept in *.FNC files.

#include "engine/Extended.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// Placeholders of the parameters in WorkBody are the characters 1..MaxParameters.
inline constexpr int MaxParameters = 31;

// What a call needs of a definition, prepared once. Calls share it, so a call in progress keeps its body
// when the list changes.
struct TPreparedBody {
  std::string WorkBody;
  int ParamCount = 0;
  int BodyLength = 0;
  std::vector<int> BodyPositions;  // Body position of each WorkBody character

  // The position in Body (1-based) of a position in WorkBody.
  int BodyPosition(int workPos) const;
};

// One line of a user-functions file: a definition or a comment.
class TUserFunc {
public:
  // Parses one line.
  explicit TUserFunc(const std::string& line);

  // Rebuilds the parameter lists, WorkBody and the flags from ParamText and Body.
  void Prepare();
  // The position in Body (1-based) of a position in WorkBody.
  int BodyPosition(int workPos) const;
  // The prepared body of a valid definition; empty before a successful Prepare.
  const std::shared_ptr<const TPreparedBody>& PreparedBody() const { return prepared_; }

  std::string ParamText;  // between the first "(" and the first ")"
  std::string Body;       // as written, blanks removed
  std::string Name;       // with its "(", as written; empty for a comment line
  std::string Comment;    // the whole line of a comment entry
  std::string WorkBody;   // Body with every parameter replaced by its placeholder
  int ParamCount = 0;
  bool Valid = false;
  std::vector<std::string> Params;         // longest first
  std::vector<std::string> ParamsInOrder;  // as written
  bool ParamMissing = false;
  bool Duplicate = false;

private:
  std::shared_ptr<const TPreparedBody> prepared_;
};

// The list of user functions, with the stack of results of nested calls.
class TUserFunctions {
public:
  // Replaces the entries by those of a file; an empty name lets the user choose the file.
  void LoadFromFile(const std::string& fileName);
  // Parses a line and appends it when valid; otherwise reports it and returns false.
  bool Add(const std::string& line);
  void Clear();

  TUserFunc& GetItem(int index) { return Items.at(static_cast<std::size_t>(index)); }
  int GetCount() const { return static_cast<int>(Items.size()); }

  void Push(Extended value) { ResultStack.push_back(value); }
  // The newest result; 0 with StackUnderflow set when there is none.
  Extended Pop();

  std::string FileName;             // the file loaded last
  std::vector<TUserFunc> Items;
  std::vector<Extended> ResultStack;
  std::vector<std::string> Lines;   // the raw lines of the file loaded last
  bool StackUnderflow = false;
};

}  // namespace engine
