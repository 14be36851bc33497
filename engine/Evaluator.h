#pragma once
// The evaluator: recursive descent over the characters of ExprString, computing as it reads.
// Errors are recorded in ErrorFlag, ErrorCode, ErrorPos and ErrorSpan (EngineState.h), never thrown.

#include "engine/Extended.h"

#include <string>

namespace engine {

// Entry points

// Evaluates ExprString, which the caller has set to the same text. An empty text returns 0 and
// touches no state. Removes no blanks, checks no parentheses, leaves LastResult alone.
Extended EvalExpression(const std::string& text);
// Copies the text into ExprString, removes blanks, checks parentheses and evaluates. Error positions
// refer to the text passed in, blanks counted; a success becomes LastResult.
Extended EvalText(const std::string& text);
// EvalText without touching LastResult: false when an error was recorded.
bool EvalTypedText(const std::string& text, Extended& value);
// Evaluates the text as it stands; copies the error state into the out-arguments (left alone for an
// empty text).
Extended EvalSubExpression(const std::string& text, bool& failed, int& pos, int& span);

// Scanner and errors, shared by the grammar and the constructs

// The next character of the text, or the end marker 127 (ExprPos stays) at its end.
unsigned char NextChar(const std::string& text);
// ExprChar = the next character of ExprString.
void ReadChar();
// Records an error at ExprPos with span 1 and drives the scanner to the end of the text.
void SetEvalError(int code);
// Records an error at a given position and span.
void SetEvalErrorAt(int code, int pos, int span = 1);
// Gives an error that a numeric routine recorded (ErrorFlag and ErrorCode only) its position and
// span, and drives the scanner to the end.
void PlaceRecordedError(int pos, int span = 1);
// LastResult and the value become 0 and ErrorFlag is set; always followed by SetEvalError.
void ResetValueOnError(Extended& value);

// Grammar
void ParseExpression(Extended& value);
void ParseTerm(Extended& value);
void ParseFactor(Extended& value);
void ParseNumber(Extended& value);
Extended EvalPower(Extended base, Extended exponent);
// The exponents EvalPower computes by multiplication: whole numbers of magnitude up to 4.
bool SmallWholeExponent(Extended exponent, int& n);
// EvalPower for such an exponent, given as a number.
Extended EvalWholePower(const Extended& base, int n);
// The character after an operand must be one that can follow it; otherwise error 0.
void CheckAfterOperand();

// Parenthesis check of EvalText (on ExprString, after removing its blanks).
void StripAndCheckParentheses();
// Maps ErrorPos and ErrorSpan from ExprString back onto the text as typed.
void MapEvalErrorPosition(const std::string& typed);
// Brings an error place inside a text of `length` characters: 1 <= pos and pos + span - 1 <= length,
// span >= 1 (a text of no characters keeps pos 1, span 1).
void ClampErrorPlace(int length, int& pos, int& span);

// Counts the evaluations that start outside any other: a repeated construct inside one evaluation
// can tell itself from the same construct in the next one.
int TopLevelEvaluation();

// Deepest nesting of operands (parentheses, exponents, calls) before error 2 "Stack overflow".
inline constexpr int MaxNestingDepth = 1000;

}  // namespace engine
