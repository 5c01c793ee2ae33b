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

// Why the catalogue leaves a function out (data/left_out.tsv): "function"
// for an entry point that DLLs implement, "helper" for a marshalling helper
// that MIDL generates; "" when it does not.
std::string leftOutRule(const std::string& name);

}  // namespace tolvane::gen
