#pragma once
// Small text helpers shared by the writers.
#include <string>
#include <vector>

namespace tolvane::gen {

inline constexpr const char* kCrLf = "\r\n";

std::string join(const std::vector<std::string>& parts, const std::string& separator);
// The lines of a text whose lines end in CR LF.
std::vector<std::string> splitLines(const std::string& text);
// The text in lower case (ASCII), as VB compares names.
std::string lower(std::string s);
// Upper-case hexadecimal digits of the low `bits` bits of v, no leading zeros.
std::string hexDigits(unsigned long long v, int bits);

}  // namespace tolvane::gen
