#include "cli/Main.h"

#ifdef _WIN32
#include "win32/Utf8Main.h"

int wmain(int argc, wchar_t** argv) { return vkr::win32::RunWithUtf8Arguments(argc, argv, vkr::cli::Main); }
#else
int main(int argc, char** argv) { return vkr::cli::Main(argc, argv); }
#endif
