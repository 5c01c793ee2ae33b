#include "wording.h"

#include <map>
#include <stdexcept>
#include <vector>

namespace tolvane::gen {

namespace {

const std::map<Phrase, const char*> kPhrases = {
    {Phrase::DeclaredIn, "声明于 {1}，由 {2} 导出。"},
    {Phrase::PairExports, "ANSI 版 {1}，Unicode 版 {2}。"},
    {Phrase::NeedsWindows, "需要 {1} 或更高版本。"},
    {Phrase::NoDllOn9x, "Windows 95/98/Me 没有 {1}。"},
    {Phrase::NtNeedsWindows, "Windows NT 系列需要 {1} 或更高版本。"},
    {Phrase::NoFunctionOn9x, "Windows 95/98/Me 没有此函数。"},
    {Phrase::CdeclNote, "调用约定 cdecl（VB6 的 Declare 只能调用 stdcall 函数）。"},
    {Phrase::FailsWithLastError,
     "失败时返回 {1}，并设置最后错误：VB 用 Err.LastDllError 读取，C# 用 "
     "Marshal.GetLastWin32Error() 读取（声明带 SetLastError = true）。"},
    {Phrase::ReturnsErrorCode, "返回值就是错误代码（{1}，{2}），不需读取最后错误。"},
    {Phrase::NegativeFails, "小于 0 表示失败"},
    {Phrase::ZeroSucceeds, "0 表示成功"},
    {Phrase::InvalidHandleValue, "INVALID_HANDLE_VALUE（-1）"},
    {Phrase::AllOnesValue, "-1（0x{1}）"},
    {Phrase::FalseValue, "FALSE（0）"},
    {Phrase::NullValue, "NULL（0）"},
    {Phrase::MacroOnly, "头文件中 {1} 只是宏；此记录调用 {2} 的导出 {3}。"},
    {Phrase::Only32BitExports, "只有 32 位的 {1} 导出此函数。"},
    {Phrase::Only64BitExports,
     "只有 64 位的 {1} 导出 {2}：C# 声明在 64 位进程中调用 {2}，在 32 位进程中调用 {3}（按 "
     "IntPtr.Size 选择）；VB6 是 32 位程序，其声明调用 {4}。"},
    {Phrase::No64BitPrototype, "64 位头文件不声明此函数，64 位 VBA 声明按 32 位原型写成。"},
    {Phrase::OtherFunctionOn64Bits,
     "64 位头文件把 {1} 定义为 {2} 的宏：64 位 VBA 声明按 {2} 的原型调用其导出 {2}。"},
    {Phrase::No64BitExport, "' 64 位的 {1} 不导出 {2}，64 位 VBA 无法调用此函数。"},
    {Phrase::NullPointers,
     "{1} 可为 NULL：VB 传 ByVal 0&，64 位 VBA 传 ByVal 0^，C# 传 IntPtr.Zero 或 null。"},
    {Phrase::NullTexts, "{1} 可为 NULL：VB 传 vbNullString，C# 传 null。"},
    {Phrase::NullOverload, "C# 的第二个声明在可为 NULL 处以 IntPtr 代替 ref，用于传 NULL。"},
    {Phrase::AddressValues,
     "{1} 是地址值，按值传递（VB 为 ByVal As Long，64 位 VBA 为 ByVal As LongPtr，C# 为 "
     "IntPtr）：传 API 给出的地址，不传变量。"},
    {Phrase::SizedResult,
     "{1} 接收长度可变的结果：先传 NULL（ByVal 0&、ByVal 0^、IntPtr.Zero）由 {2} 取得所需字节数，"
     "再传这样大的字节数组的首元素（C# 传 Marshal.AllocHGlobal 分配的内存）。"},
    {Phrase::OwnedPointers,
     "{1} 是 API 返回并拥有的指针，原样按值传回（VB 为 ByVal As Long，64 位 VBA 为 ByVal As "
     "LongPtr，C# 为 IntPtr），不是结构的副本。"},
    {Phrase::ListSeparator, "、"},
    {Phrase::TheResult, "返回值"},
    {Phrase::Union, "联合"},
    {Phrase::Structure, "结构"},
    {Phrase::TypeDeclaredIn, "{1}，声明于 {2}"},
    {Phrase::Sizes, "32 位下 {1} 字节，64 位下 {2} 字节"},
    {Phrase::Size32, "32 位下 {1} 字节"},
    {Phrase::Comma, "，"},
    {Phrase::FullStop, "。"},
    {Phrase::PairHalves, "ANSI 版 {1}（VB 与 64 位 VBA 声明）{2}；Unicode 版 {3}（C# 声明）{4}。"},
    {Phrase::AliasOf, "{1} 是 {2} 的别名（typedef，见 {3}），各形式与 {2} 相同，只是名字不同。"},
    {Phrase::SameAs, "与 {1} 相同（VB 程序惯用的名字）。"},
    {Phrase::RenamedForVb, "VB 和 64 位 VBA 的 Type 名为 {1}（{2} 是 VB 的保留字）。"},
    {Phrase::RenamedForCase,
     "VB 不区分大小写：VB 和 64 位 VBA 中此名写作 {1}，以便与 {2} 放在同一模块中。"},
    {Phrase::No64BitStructure, "64 位头文件不定义此结构，64 位 VBA 声明按 32 位的定义写成。"},
    {Phrase::OtherStructureOn64Bits,
     "64 位头文件把 {1} 定义为 {2} 的宏：64 位 VBA 声明按 {2} 在 64 位下的布局写成。"},
    {Phrase::LayoutDiffers, "注意：{1}的布局与 C 不同：{2}。"},
    {Phrase::LayoutOfVb, "VB 声明"},
    {Phrase::LayoutOfVbForm, "VB"},
    {Phrase::LayoutOfVba64Form, "64 位 VBA"},
    {Phrase::LayoutOfVba64, "64 位 VBA 声明"},
    {Phrase::LayoutOfCs32, "C# 声明在 32 位进程中"},
    {Phrase::LayoutOfCs64, "C# 声明在 64 位进程中"},
    {Phrase::LayoutOfMono, "C# 声明在 mono 运行时中"},
    {Phrase::ConstantIn, "常数，定义于 {1}，{2}。"},
    {Phrase::TcharConstantIn,
     "常数（随字符集而变），定义于 {1}：VB 取 ANSI 版 {2} 的{3}，C# 取 Unicode 版 {4} 的{5}。"},
    {Phrase::StringValue, "值 \"{1}\""},
    {Phrase::NumberValue, "值 0x{1}（十进制 {2}）"},
    {Phrase::ValueOn64Bits, "64 位下值为 {1}（64 位 VBA 声明取此值）。"},
    {Phrase::EnumeratorOf, "枚举 {1} 的成员。"},
    {Phrase::EnumerationIn,
     "枚举，定义于 {1}，含 {2} 个常数：{3}。VB 与 64 位 VBA 按 Long 传递（可用此 Enum），C# 按 "
     "{4} 传递（可用此 enum）。"},
    {Phrase::TypedefOf, "{1} 是 C 类型 {2} 的别名（typedef，声明于 {3}）：{4}，{5}。"},
    {Phrase::TypedefPassed,
     "作参数时 VB6 写作 {1}，64 位 VBA 写作 {2}，C# 写作 {3}；作返回值时 VB6 为 {4}，64 位 VBA 为 "
     "{5}，C# 为 {6}。"},
    {Phrase::TypedefTchar,
     "此类型随字符集而变：VB 调用 ANSI 函数，按 ANSI 版写；C# 按声明的 CharSet。"},
    {Phrase::TypedefVbForm, "' {1} 作参数：{2}；作返回值：As {3}"},
    {Phrase::TypedefCsForm, "// {1} 作参数：{2}；作返回值：{3}"},
    {Phrase::HandleKind, "句柄"},
    {Phrase::CallbackKind, "回调函数指针"},
    {Phrase::AnsiStringKind, "ANSI 字符串指针"},
    {Phrase::UnicodeStringKind, "Unicode 字符串指针"},
    {Phrase::PointerSizedKind, "与指针同宽的整数"},
    {Phrase::SignedKind, "有符号整数"},
    {Phrase::UnsignedKind, "无符号整数"},
    {Phrase::RealKind, "浮点数"},
    {Phrase::PointerKind, "指针"},
    {Phrase::Windows95OrNt4, "Windows 95 或 Windows NT 4.0"},
    {Phrase::InputMarker, " [输入]"},
    {Phrase::OptionalMarker, " [可为 NULL]"},
    {Phrase::AddressMarker, " [地址值]"},
    {Phrase::SizedMarker, " [长度可变，字节数见 {1}]"},
    {Phrase::OwnedMarker, " [API 拥有的指针]"},
    {Phrase::NoResult, "无（Sub）"},
    {Phrase::Returned, "{1}（C#: {2}；C: {3}）"},
    {Phrase::PackFor64BitOnly,
     "// 此声明按 64 位进程的布局；C 在 32 位下紧缩此结构，32 位进程请改用 Pack = {1}"},
    {Phrase::ExactDouble, "64 位整数，Double 可精确表示"},
    {Phrase::DigitsForCDec, "64 位整数，VB6 无此类型：用 CDec({1}) 取精确值"},
    {Phrase::AlignmentFiller, "C 的对齐填充"},
    {Phrase::HeldAsBytes,
     "C 在偏移 {1} 处存放 {2}，VB 会把它对齐到 {3} 的倍数，故按 {4} 个字节存放，用 CopyMemory "
     "读写"},
    {Phrase::HeldAsBytesOtherSize,
     "C 在偏移 {1} 处存放 {2}（{3} 字节），VB 的 {2} 占 {4} 字节，故按 {3} 个字节存放，用 "
     "CopyMemory 读写"},
    {Phrase::HeldAsBytesCut,
     "C 在偏移 {1} 处存放的 {2} 只有 {3} 个字节属于它，故按 {3} 个字节存放，用 CopyMemory 读写"},
    {Phrase::TypeLonger,
     "{1} 的 Type 占 {2} 字节，C 的结构为 {3} 字节：VB 把 Type 的大小补齐到 {4} "
     "的倍数，多出的字节在末尾；作数组元素或嵌入其他结构时与 C 不同。"},
    {Phrase::ArrayOf, "{1} 数组"},
    {Phrase::StringPointer, "字符串指针"},
    {Phrase::VbSampleHeading, "' VB6 示例"},
    {Phrase::Vba64SampleHeading, "' 64 位 VBA 示例"},
    {Phrase::CsSampleHeading, "// C# 示例"},
    {Phrase::FailedWithCode, "{1} 失败，错误代码 "},
    {Phrase::ReturnedErrorCode, "{1} 返回错误代码 "},
};

}  // namespace

std::string say(Phrase phrase, std::initializer_list<std::string> arguments) {
    auto it = kPhrases.find(phrase);
    if (it == kPhrases.end()) throw std::logic_error("a phrase without text");
    const std::vector<std::string> args(arguments);
    std::string out;
    for (const char* c = it->second; *c; ++c) {
        if (*c == '{' && c[1] >= '1' && c[1] <= '9' && c[2] == '}') {
            const size_t i = static_cast<size_t>(c[1] - '1');
            if (i >= args.size()) throw std::logic_error("a phrase lacks an argument");
            out += args[i];
            c += 2;
        } else {
            out += *c;
        }
    }
    return out;
}

}  // namespace tolvane::gen
