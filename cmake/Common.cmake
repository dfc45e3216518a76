# Compiler settings shared by every target of both builds.
set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

# WIN32 is what the SOAP runtime's header tests; strict C++17 defines only _WIN32.
add_compile_definitions(WIN32 _WIN32_WINNT=0x0601 WINVER=0x0601 NOMINMAX)
# Sources are UTF-8; narrow strings are stored in the Chinese ANSI code page.
add_compile_options(-finput-charset=UTF-8 -fexec-charset=GBK -Wall -Wextra)
# A static runtime: the programs need no MinGW DLLs next to them.
add_link_options(-static -static-libgcc -static-libstdc++)

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  set(TARGET_IS_32BIT ON)
else()
  set(TARGET_IS_32BIT OFF)
endif()
