#include "explain_text.h"

#include "c_types.h"
#include "text.h"

namespace tolvane::gen {

namespace {

std::string failingValue(Failure failure, const CType& result) {
    const bool pointer = result.kind == Kind::Pointer || isHandle(result);
    if (failure == Failure::AllOnes)
        return pointer ? "INVALID_HANDLE_VALUE（-1）"
                       : "-1（0x" + hexDigits(~0ULL, result.size * 8) + "）";
    if (isBool(result)) return "FALSE（0）";
    return pointer ? "NULL（0）" : "0";
}

}  // namespace

std::string versionNote(int level) {
    return level > kWin95Level ? "需要 " + windowsName(level) + " 或更高版本。" : std::string();
}

std::string errorNote(const ErrorRule& rule, const CType& result) {
    switch (rule.report) {
    case ErrorReport::LastError:
        return "失败时返回 " + failingValue(rule.failure, result) +
               "，并设置最后错误：VB 用 Err.LastDllError 读取，C# 用 Marshal.GetLastWin32Error() "
               "读取"
               "（声明带 SetLastError = true）。";
    case ErrorReport::ReturnedCode:
        return "返回值就是错误代码（" + rule.codeType + "，" +
               (rule.failure == Failure::Negative ? "小于 0 表示失败" : "0 表示成功") +
               "），不需读取最后错误。";
    case ErrorReport::Unstated: break;
    }
    return {};
}

std::string functionExplain(const FunctionFacts& f) {
    std::string out = "声明于 " + f.header + "，由 " + f.dll + " 导出。";
    if (!f.wide.empty()) out += "ANSI 版 " + f.ansi + "，Unicode 版 " + f.wide + "。";
    out += versionNote(f.support.minimum);
    const DllRule* rule = dllRule(f.dll);
    if (rule && !rule->win9x && f.support.minimum <= kWin95Level)
        out += "Windows 95/98/Me 没有 " + f.dll + "。";
    if (f.result) out += errorNote(f.error, *f.result);
    if (f.cdecl_) out += "调用约定 cdecl（VB6 的 Declare 只能调用 stdcall 函数）。";
    return out;
}

std::string constantValue(const Constant& c) {
    if (c.isString) return "值 \"" + c.text + "\"";
    const int bits = c.isPointer ? 32 : c.bytes * 8;
    return "值 0x" + hexDigits(static_cast<unsigned long long>(c.value), bits) + "（十进制 " +
           std::to_string(c.value) + "）";
}

std::string constantExplain(const Constant& c, const Constant* unicode, const std::string& ansiName,
                            int level) {
    std::string out;
    if (unicode)
        out = "常数（随字符集而变），定义于 " + c.header + "：VB 取 ANSI 版 " + ansiName + " 的" +
              constantValue(c) + "，C# 取 Unicode 版 " + unicode->name + " 的" +
              constantValue(*unicode) + "。";
    else
        out = "常数，定义于 " + c.header + "，" + constantValue(c) + "。";
    return out + versionNote(level);
}

}  // namespace tolvane::gen
