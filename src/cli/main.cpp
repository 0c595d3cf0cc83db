#include "cli/Main.h"

int main(int argc, char** argv) { return vkr::cli::Main(argc, argv); }
