#pragma once
// The assistant's text work: the function word at the caret, its table entry, its hint, the greeting.

#include <QString>

namespace app {

// The word at a caret index (the number of characters before the caret) of an expression line: a
// function name with its "(", or what stands of one; empty when the caret is not at a function word.
QString GetWordAtCaret(const QString& text, int position);

// The table index of a word: in real mode the entry whose name equals it (any case), in complex mode the
// first entry whose name occurs in it; -1 when none. Entry 30 (the constant e) is never found.
int FindFunctionAtText(const QString& word, bool complexMode);

// The hint of entry n with "%A" named by the angle mode (0 radian, 1 degree); empty when there is none.
QString FunctionHintText(int n, bool complexMode, int angleMode);

// The greeting for a time of day given as a fraction of 24 hours.
QString GreetingText(double dayFraction);

}  // namespace app
