# Build settings shared by every target of ours: C++20, warnings as errors,
# optional sanitizers. Third-party code never links this target.
add_library(vkr_settings INTERFACE)
target_compile_features(vkr_settings INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(vkr_settings INTERFACE -Wall -Wextra -Werror)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  # GCC 12 reports std::string concatenation at -O3 as overlapping memcpy
  # (its bug 105329), a false alarm that no code change avoids everywhere.
  target_compile_options(vkr_settings INTERFACE -Wno-restrict)
endif()
if(VKR_SANITIZE)
  target_compile_options(vkr_settings INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(vkr_settings INTERFACE -fsanitize=address,undefined)
endif()
if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
  set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()
# A compiler cache, when the machine has one, shares object files between
# build folders and worktrees.
find_program(VKR_CCACHE ccache)
if(VKR_CCACHE)
  set(CMAKE_CXX_COMPILER_LAUNCHER "${VKR_CCACHE}")
endif()
