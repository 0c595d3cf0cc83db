#pragma once

namespace vkr::cli {

int Main(int argc, char** argv);

}  // namespace vkr::cli
