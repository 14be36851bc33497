#pragma once
// The lines of the variables (*.VAR) and user-variables (*.USR) files, written from and read into the
// engine's state. Numbers are written as exact decimal scientific text and read without regard to locale.

#include "engine/Extended.h"

#include <QString>
#include <string>
#include <vector>

namespace app {

// A decimal number of a file line (blanks around it allowed); false when the text is not one, names no
// number ("NAN", "INF") or lies beyond the largest value. Every text ExactNumberText writes reads back.
bool ReadFileNumber(const QString& text, engine::Extended& value);
// The message for a text that is not a number.
QString NotANumberMessage(const QString& text);

// *.VAR: ten values right-aligned in 23 characters, then the ten defining expressions.
std::vector<std::string> VariablesFileLines();
// Reads the lines into the engine's variables in file order, up to the end of the lines. A value that is
// not a number leaves its variable undefined and the others are read; the first such value's message is
// returned.
QString ReadVariablesFileLines(const std::vector<std::string>& lines);

// *.USR: one "name = value" a line, in the list's order.
struct TUserVariableLine {
  QString Name;
  engine::Extended Value = 0;
};
std::vector<std::string> UserVariablesFileLines();
// Parses the lines up to the first bad one (its message in error; blank lines are skipped). A value is read
// from the first 255 characters after the "="; a value that goes on beyond them is a bad one.
std::vector<TUserVariableLine> ParseUserVariableLines(const std::vector<std::string>& lines, QString& error);

}  // namespace app
