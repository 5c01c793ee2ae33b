#pragma once

#include "core/store/record.h"

#include <QString>

namespace tolvane {

// The forms the declaration box can show; each is its own column. Vba64 is
// the 64-bit VBA form (Declare PtrSafe, LongPtr, LongLong).
enum class OutputForm { VB, CSharp, Vba64 };

// The column that stores `form`: declare, CSharp or vba64.
Column formColumn(OutputForm form);

// "Private " in front of the whole text, unless it starts as a comment (').
QString privateVbDeclaration(const QString& declaration);
// Every CR LF directly followed by "static extern" gets "private " after the
// line break; exact case, left to right, matches never overlap. A text that
// starts with "static extern" keeps its first line as it is.
QString privateCSharpDeclaration(const QString& declaration);
// A stored declaration of `form` made private: the VB and 64-bit VBA forms
// as privateVbDeclaration, the C# form as privateCSharpDeclaration. No line
// break is added.
QString privateDeclaration(const QString& declaration, OutputForm form);

// What the copy button puts on the clipboard for a detail box holding `text`
// (line breaks CR LF): the declaration box's text as a private declaration
// of `form`, any other box's text as it is; CR LF appended in every case.
QString copiedText(const QString& text, bool declarationBox, OutputForm form);

// Top, in twips, at which the copy and enlarge buttons sit for a focused box
// with the given top and height: inside its lower edge.
constexpr int buttonsTop(int boxTop, int boxHeight) { return boxTop + boxHeight - 300; }

}  // namespace tolvane
