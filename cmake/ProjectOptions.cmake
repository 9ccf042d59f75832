# Compile and link settings shared by every target of our own code.

add_library(project_options INTERFACE)
target_compile_options(project_options INTERFACE
  -Wall -Wextra -Werror
  # Sources stay UTF-8; string literals become code page 932 bytes.
  -fexec-charset=CP932)
target_compile_definitions(project_options INTERFACE NOMINMAX)
# Each program needs only the system's DLLs.
target_link_options(project_options INTERFACE -static -static-libgcc -static-libstdc++)

# Boost is used for its headers only. Pointing the compiler at /usr/include
# would pull glibc headers into a Windows build, so expose boost/ alone.
set(BOOST_SHIM "${CMAKE_BINARY_DIR}/boost-include")
if(NOT EXISTS "${BOOST_SHIM}/boost")
  file(MAKE_DIRECTORY "${BOOST_SHIM}")
  file(CREATE_LINK /usr/include/boost "${BOOST_SHIM}/boost" SYMBOLIC)
endif()
target_include_directories(project_options SYSTEM INTERFACE "${BOOST_SHIM}")
target_compile_definitions(project_options INTERFACE BOOST_ALL_NO_LIB)

# zlib for the Windows target, linked statically.
find_library(ZLIB_STATIC NAMES libz.a REQUIRED)
add_library(zlib_static INTERFACE)
target_link_libraries(zlib_static INTERFACE "${ZLIB_STATIC}")
