# Compiler settings for the project's own code. Every product library and
# test links `chooser_warnings`; product libraries also link `chooser_code`.

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  set(tests_default OFF)   # the 32-bit build cannot run on these machines
else()
  set(tests_default ON)
endif()
option(CHOOSER_TESTS "Build the test programs" ${tests_default})
option(CHOOSER_SANITIZE "Native build: AddressSanitizer and UBSan" OFF)
option(CHOOSER_FUZZ "Native clang build: libFuzzer harnesses" OFF)

add_library(chooser_warnings INTERFACE)
target_compile_options(chooser_warnings INTERFACE
  -Wall -Wextra -Werror -Wno-unused-parameter)

# The product: no exceptions, no RTTI, ANSI Win32 calls.
add_library(chooser_code INTERFACE)
target_link_libraries(chooser_code INTERFACE chooser_warnings)
target_compile_options(chooser_code INTERFACE
  $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-rtti>)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  # On 32-bit Windows the DWARF unwind tables serve only C++ exceptions,
  # which the product does not use (Windows' own exception handling on x86
  # walks frames, not tables): leave them out of SETUP.EXE. The x86_64
  # tables (.pdata/.xdata) are the system's and stay.
  target_compile_options(chooser_code INTERFACE -fno-asynchronous-unwind-tables)
endif()
if(WIN32)
  target_compile_definitions(chooser_code INTERFACE
    WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601 WINVER=0x0601)
  # Every program imports Windows system DLLs only.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

if(CHOOSER_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
