// The logic speaks UTF-8; Windows' wide functions speak UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace orvelle::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace orvelle::win32
