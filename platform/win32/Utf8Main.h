#pragma once
// The entry of a Windows console program whose arguments and file names are
// UTF-8: wide arguments converted, standard streams without CR LF translation.
namespace vkr::win32 {

int RunWithUtf8Arguments(int argc, wchar_t** argv, int (*run)(int, char**));

}  // namespace vkr::win32
