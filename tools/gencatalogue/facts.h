#pragma once
// The reviewed facts about single functions, parameters and structures that
// the headers do not state (data/functions.tsv, parameters.tsv,
// structures.tsv, left_out.tsv; what each fact means is written there).
#include <string>
#include <vector>

namespace tolvane::gen {

// A fact of data/functions.tsv about `function` (the catalogue name).
bool functionFact(const std::string& function, const std::string& fact);

// The detail of a fact of data/functions.tsv ("crypt32.dll" of a
// documented-dll fact), "" when the function lacks the fact.
std::string functionDetail(const std::string& function, const std::string& fact);

// A fact of data/parameters.tsv about `parameter` of `function`, or of every
// function's parameter of that name.
bool parameterFact(const std::string& function, const std::string& parameter,
                   const std::string& fact);

// The detail of a fact of data/parameters.tsv ("cbBufSize,pcbBytesNeeded"
// of a sized buffer), "" when the parameter lacks the fact.
std::string parameterDetail(const std::string& function, const std::string& parameter,
                            const std::string& fact);

// A fact of data/structures.tsv about the structure of C name `structure`
// or its catalogue name (an ANSI or Unicode half also takes its pair's
// facts, TRUSTEE_A those of TRUSTEE).
bool structureFact(const std::string& structure, const std::string& fact);

// The details of a fact every structure shares ("*" in structures.tsv).
std::vector<std::string> everyStructure(const std::string& fact);

// The SDK header programmers include for what a mingw-w64 header declares
// (data/mingw.tsv; psdk_inc/_ip_types.h: winsock2.h).
std::string sdkHeader(const std::string& header);
// A header of mingw-w64's own (_mingw.h), whose records the catalogue leaves out.
bool mingwOwnHeader(const std::string& header);

// A C type spelling, prototype or macro body as the SDK spells it (WINBOOL:
// BOOL, __MSABI_LONG(0x1): 0x1L).
std::string sdkSpelling(const std::string& text);

// Why the catalogue leaves a function out (data/left_out.tsv): "function"
// for an entry point that DLLs implement, "helper" for a marshalling helper
// that MIDL generates; "" when it does not.
std::string leftOutRule(const std::string& name);

// Whether the catalogue leaves a constant out (data/left_out.tsv), by its
// name and the header defining it.
bool leftOutConstant(const std::string& name, const std::string& header);

}  // namespace tolvane::gen
