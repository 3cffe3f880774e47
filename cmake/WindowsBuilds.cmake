# The Windows builds, made from the Linux build as external projects so that
# one Linux build and test run covers them: the 32-bit plug-in (read back by
# a test) and the 64-bit plug-in and host (run under Wine by the tests).
#
# Sets VORNIX_DLL_I686 (the shipping vornix.dll) and
# VORNIX_WINDOWS_X86_64_DIR (holding vornix.dll and vornix-host.exe).
include(ExternalProject)

function(vornix_add_windows_build arch)
  set(binary_dir ${PROJECT_BINARY_DIR}/mingw-${arch})
  ExternalProject_Add(vornix_windows_${arch}
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${binary_dir}
    CMAKE_GENERATOR Ninja
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-${arch}.cmake
      -DCMAKE_BUILD_TYPE=Release
      -DVORNIX_TESTS=OFF
      -DVORNIX_BENCHMARKS=OFF
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)
  set(VORNIX_WINDOWS_${arch}_DIR ${binary_dir} PARENT_SCOPE)
endfunction()

find_program(VORNIX_MINGW_I686 i686-w64-mingw32-g++)
find_program(VORNIX_MINGW_X86_64 x86_64-w64-mingw32-g++)
if(VORNIX_MINGW_I686 AND VORNIX_MINGW_X86_64)
  vornix_add_windows_build(i686)
  vornix_add_windows_build(x86_64)
  set(VORNIX_DLL_I686 ${VORNIX_WINDOWS_i686_DIR}/vornix.dll)
  set(VORNIX_WINDOWS_X86_64_DIR ${VORNIX_WINDOWS_x86_64_DIR})
  message(STATUS "Windows builds: ${VORNIX_WINDOWS_i686_DIR}, ${VORNIX_WINDOWS_X86_64_DIR}")
else()
  message(WARNING "mingw-w64 not found: the Windows builds and their tests are left out")
endif()
