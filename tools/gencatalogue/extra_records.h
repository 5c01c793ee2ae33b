#pragma once
// Records beyond the headers' own declarations: the hand-made ones of
// hand_records.h, and psapi.dll's classic names for the functions psapi.h
// declares under their kernel32 "K32" names.
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "c_model.h"
#include "catalogue.h"
#include "cs_map.h"

namespace tolvane::gen {

// What a hand-made record's annotation starts with.
inline constexpr std::string_view kHandAnnotation = "tolvane: ";

// The key=value fields of an annotation, separated by blanks.
std::map<std::string, std::string> annotationFields(const std::string& text);

// Sets a function's DLL and exports from its annotation fields (none for a
// function of the headers).
void placeHandRecord(Function& f, const std::map<std::string, std::string>& fields);

// The export a hand-made record's VB form calls: VB6 programs are 32-bit.
std::string vbExportOf(const Function& f);

// Throws std::runtime_error unless the DLL a hand-made record names exports
// what the record calls.
void checkPlacement(const Function& f, const ExportIndex& exports);

// For each K32 function of psapi.h whose classic name psapi.dll exports
// (K32EnumProcesses: EnumProcesses), the function under the classic name,
// placed in psapi.dll, which Windows before 7 has.
std::vector<Function> classicPsapiNames(const std::vector<Function>& functions,
                                        const ExportIndex& exports);

// The C# form of a function that only the 64-bit DLL exports under its own
// name: `extern64` and `extern32` are its declarations named <name>64 and
// <name>32 on the two entry points, followed here by the method <name>
// that calls the one of the running process.
std::string csBothTargets(const std::string& name, const std::string& extern64,
                          const std::string& extern32,
                          const std::vector<std::string>& argumentNames);

// The C# form of a function, followed by an overload taking IntPtr for
// each optional pointer that it takes by ref. A hand-made record calls its export through
// EntryPoint; one that only the 64-bit DLL exports under its own name gets
// both entry points and a method choosing by IntPtr.Size (csBothTargets).
// `pair`: an ANSI/Unicode pair, whose entry points the marshaller completes
// with A or W.
std::string csForm(CsFunction target, const Function& f, const Function& csSource, bool pair,
                   const TypeNames& names, const StringSides& sides);

// What the record says about where the function is exported, from the
// reviewed facts of hand-made records only (the import libraries of the two
// targets are incomplete): that only the 32-bit DLL exports it, and for a
// function with a 32-bit stand-in which export each process calls.
std::string placementNote(const Function& f, const Function* wide, const std::string& dll);

// othername of a hand-made record calling other exports than its name: the
// exports, the one VB declares first; "" for the others.
std::string handOtherNames(const Function& f, const Function* wide);

// A COM interface's C structure, holding only its lpVtbl.
bool isInterfaceStub(const Record& r);

// The structure DECLARE_HANDLE defines for a handle type (HDC__ with one
// int "unused"): it types the handle and is never filled in.
bool isHandleDummy(const Record& r);

// The documented name of a structure the C side spells with a "tag" prefix
// (tagRASCONN) or a trailing underscore (TRUSTEE_, the generic name of
// TRUSTEE_A and TRUSTEE_W): the name without it, unless `taken` says
// another structure has that name.
std::string documentedTypeName(const std::string& name, const std::set<std::string>& taken);

}  // namespace tolvane::gen
