# One interface target carries the compile-time strictness every target of the project gets.
add_library(vespin_strict INTERFACE)
target_compile_options(vespin_strict INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast)
if(VESPIN_WERROR)
  target_compile_options(vespin_strict INTERFACE -Werror)
endif()
target_compile_definitions(vespin_strict INTERFACE _GLIBCXX_ASSERTIONS)
if(VESPIN_SANITIZE)
  target_compile_options(vespin_strict INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(vespin_strict INTERFACE -fsanitize=address,undefined)
endif()
if(VESPIN_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzz targets need clang (CXX=clang++)")
  endif()
  target_compile_options(vespin_strict INTERFACE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -g)
  target_link_options(vespin_strict INTERFACE -fsanitize=address,undefined)
endif()
# Qt's own strictness for the program's Qt code: no implicit conversions between QString and
# 8-bit strings, no narrowing in signal connections.
set(VESPIN_QT_STRICT QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
# The hardening Debian builds its packages with (stack protector, _FORTIFY_SOURCE, full RELRO
# and BIND_NOW), taken from dpkg-buildflags for the optimised builds the package is made from;
# the optimisation and debug flags stay the build type's. The sanitizers bring their own checks.
option(VESPIN_HARDENING "Build with the hardening flags of dpkg-buildflags" ON)
find_program(VESPIN_DPKG_BUILDFLAGS dpkg-buildflags)
if(VESPIN_HARDENING AND VESPIN_DPKG_BUILDFLAGS AND NOT VESPIN_SANITIZE AND NOT VESPIN_FUZZ)
  foreach(kind IN ITEMS CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            ${VESPIN_DPKG_BUILDFLAGS} --get ${kind}
                    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-(O.*|g.*|ffile-prefix-map=.*|fdebug-prefix-map=.*)$")
    set(VESPIN_HARDENING_${kind} ${flags})
  endforeach()
  set(optimised $<CONFIG:Release,RelWithDebInfo,MinSizeRel>)
  target_compile_options(vespin_strict INTERFACE
    "$<${optimised}:${VESPIN_HARDENING_CPPFLAGS};${VESPIN_HARDENING_CXXFLAGS}>")
  target_link_options(vespin_strict INTERFACE "$<${optimised}:${VESPIN_HARDENING_LDFLAGS}>")
endif()
