#pragma once
// Every Chinese text the generator writes into the catalogue, in one table
// (wording.cpp): explain sentences, parameter and member notes, comments in
// declarations and the samples' texts. A phrase takes its arguments at {1},
// {2} ...
#include <initializer_list>
#include <string>

namespace tolvane::gen {

enum class Phrase {
    // explain of a function
    DeclaredIn,      // header, DLL
    PairExports,     // ANSI export, Unicode export
    NeedsWindows,    // Windows version
    NoDllOn9x,       // DLL
    NtNeedsWindows,  // Windows version
    NoFunctionOn9x,
    CdeclNote,           //
    FailsWithLastError,  // failing value
    ReturnsErrorCode,    // code type, meaning
    NegativeFails,       //
    ZeroSucceeds,        //
    InvalidHandleValue,  //
    AllOnesValue,        // hexadecimal digits
    FalseValue,          //
    NullValue,           //
    MacroOnly,           // name, DLL, export
    Only32BitExports,    // DLL
    Only64BitExports,    // DLL, own exports, 32-bit exports, the export VB calls
    No64BitPrototype,
    OtherFunctionOn64Bits,  // the name, the function it means on 64 bits    //
    No64BitExport,          // DLL, export (a comment line replacing the 64-bit VBA Declare)
    NullPointers,           // parameter names
    NullTexts,              // parameter names
    NullOverload,           //
    AddressValues,          // parameter names
    SizedResult,            // parameter name, its size parameter
    OwnedPointers,          // parameter names
    ListSeparator,
    TheResult,
    // explain of a structure
    Union,
    Structure,
    TypeDeclaredIn,  // kind, header
    Sizes,           // size on 32 bits, on 64 bits
    Size32,          // size on 32 bits
    Comma,
    FullStop,
    PairHalves,              // ANSI structure, its sizes, Unicode structure, its sizes
    SameAs,                  // structure
    AliasOf,                 // alias, the Type, header
    RenamedForVb,            // the VB name, the catalogue name
    RenamedForCase,          // the VB name, the record whose name differs only in case
    No64BitStructure,        //
    OtherStructureOn64Bits,  // the name, the structure it means on 64 bits
    LayoutDiffers,           // form, reason
    LayoutOfVb,
    LayoutOfVbForm,
    LayoutOfVba64Form,
    LayoutOfVba64,
    LayoutOfCs32,
    LayoutOfCs64,
    LayoutOfMono,
    // explain of a constant
    ConstantIn,       // header, value
    TcharConstantIn,  // header, ANSI name, ANSI value, Unicode name, Unicode value
    StringValue,      // text
    NumberValue,      // hexadecimal digits, decimal
    ValueOn64Bits,    // value
    EnumeratorOf,     // enumeration
    // explain of an enumeration
    EnumerationIn,  // header, count, members, C# type
    // explain and forms of a typedef of a scalar, pointer or handle
    TypedefOf,      // name, C definition, header, kind, sizes
    TypedefPassed,  // VB, VBA and C# parameter; VB, VBA and C# result
    TypedefTchar,
    TypedefVbForm,  // name, parameter, result
    TypedefCsForm,  // name, parameter, result
    HandleKind,
    CallbackKind,
    AnsiStringKind,
    UnicodeStringKind,
    PointerSizedKind,
    SignedKind,
    UnsignedKind,
    RealKind,
    PointerKind,
    // Windows versions
    Windows95OrNt4,
    // other columns
    InputMarker,
    OptionalMarker,
    AddressMarker,
    SizedMarker,  // size parameter
    OwnedMarker,
    NoResult,
    Returned,  // VB type, C# type, C type
    // comments in declarations
    PackFor64BitOnly,  // the Pack a 32-bit process needs
    ExactDouble,
    DigitsForCDec,  // constant name
    AlignmentFiller,
    HeldAsBytes,           // offset, what C keeps there, VB's alignment of it, bytes
    HeldAsBytesOtherSize,  // offset, the Type, its C size, its VB size
    HeldAsBytesCut,        // offset, what C keeps there, its own bytes
    TypeLonger,            // the form, VB size, C size, alignment
    ArrayOf,               // element type
    StringPointer,
    // samples
    VbSampleHeading,
    Vba64SampleHeading,
    CsSampleHeading,
    FailedWithCode,     // function name
    ReturnedErrorCode,  // function name
};

// The phrase with its arguments in place.
std::string say(Phrase phrase, std::initializer_list<std::string> arguments = {});

}  // namespace tolvane::gen
