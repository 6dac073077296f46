# As a distribution builds (ARDO_HARDENED), with the flags the OpenSSF compiler options hardening
# guide (2024) recommends, below, and position-independent executables; ardo_program strips the
# compiler's notes from the binaries. A flag goes in only where the compiler or the linker takes
# it.
add_compile_options(-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=3 -D_GLIBCXX_ASSERTIONS
                    -fstack-protector-strong -Wformat)
include(CheckCXXCompilerFlag)
# Format checks count only with -Wformat on.
set(CMAKE_REQUIRED_FLAGS -Wformat)
foreach(flag -Werror=format-security -fstack-clash-protection -fcf-protection=full
             -mbranch-protection=standard -fstrict-flex-arrays=3)
  string(MAKE_C_IDENTIFIER "ARDO_HAS${flag}" supported)
  check_cxx_compiler_flag(${flag} ${supported})
  if(${supported})
    add_compile_options(${flag})
  endif()
endforeach()
include(CheckLinkerFlag)
foreach(flag -z,relro -z,now -z,noexecstack --as-needed --no-copy-dt-needed-entries)
  string(MAKE_C_IDENTIFIER "ARDO_LINKS${flag}" supported)
  check_linker_flag(CXX LINKER:${flag} ${supported})
  if(${supported})
    add_link_options(LINKER:${flag})
  endif()
endforeach()
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
