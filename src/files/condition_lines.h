#pragma once

// The lines that make an action's own line L run only under its condition (core/condition.h),
// as the script writer writes them and the script reader takes them back:
//
//   user bob           if /i "%USERNAME%"=="bob" L
//   not user bob       if /i "%USERNAME%" NEQ "bob" L
//   computer PC01      the same with %COMPUTERNAME%
//   member of Finance  WHOAMI "\Finance""," >nul, then on the next line
//                      if not errorlevel 1 L
//                      WHOAMI: %SystemRoot%\System32\whoami.exe /groups /fo csv /nh |
//                              %SystemRoot%\System32\find.exe /i      (on one line)
//   member of CORP\Staff  the same first line searching """CORP\Staff"","
//   not member of ...  the same first line, then  if errorlevel 1 if not errorlevel 2 L
//
// whoami lists the groups of the logon token, nested ones included, one quoted CSV field
// each ("CORP\Finance","Group",...): the quotes around the search give exact name
// boundaries, and find is literal. find answers 0 found, 1 not found, 2 failed, so a failed
// find never counts as not a member; "if errorlevel" is read when its line runs, also inside
// a caller's ( ) block. A message's two lines go into a block: the head, " (", its lines,
// ")".
//
// The reader also takes "if /i "%username%" == "bob" L" in any case and with blanks around
// "==", and "if /i not "..."=="..." L". Every other IF form stays the line it is.

#include <optional>
#include <string>
#include <string_view>

#include "core/action.h"
#include "core/condition.h"
#include "files/write_refusal.h"

namespace kestrune {

// Why a condition can't be kept: none of the forms, or a NAME that breaks a rule; none when
// it can (or there is none).
std::optional<Refusal> ConditionNameRefusal(std::string_view condition);
// Why the action's condition can't be written; none when it can (or there is none).
// followsCaret: the line before it ends with "^" and goes on into this one.
std::optional<Refusal> ConditionRefusal(const ActionRef& action, bool followsCaret);

// Appends what comes before L: for a group the whoami line and its end, then the IF head
// of the condition and the blank before L.
void AppendConditionHead(std::string& out, const Condition& condition);

// A line read with a condition before its own command: the condition's text and the rest of
// the line after the head's blanks (its own trailing blanks kept).
struct ConditionHead {
    Condition condition;  // its name a view into the line
    std::string_view rest;
};

// A user or computer IF line (trimmed at its start); none for any other line.
std::optional<ConditionHead> ParseNameCondition(std::string_view line);
// The group a whoami line (trimmed) looks for; none for any other line.
std::optional<std::string_view> ParseGroupSearch(std::string_view line);
// The line after a whoami line: "if not errorlevel 1 L" for a member of group,
// "if errorlevel 1 if not errorlevel 2 L" for one who is not; none for any other line.
std::optional<ConditionHead> ParseGroupCondition(std::string_view line, std::string_view group);

// Whether a command read after a condition's head makes an action the writer writes back
// the same: not empty, nor beginning with ( ) : or @ (a block, a label, echo switched).
bool TakesCondition(std::string_view rest);

}  // namespace kestrune
