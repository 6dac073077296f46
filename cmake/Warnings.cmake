# Every target links ardo::warnings privately: the warning flags live in one place. CI makes them
# errors (CMAKE_COMPILE_WARNING_AS_ERROR, in the test presets).
add_library(ardo_warnings INTERFACE)
add_library(ardo::warnings ALIAS ardo_warnings)
target_compile_options(ardo_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                       -Wold-style-cast -Wnull-dereference -Wformat=2 -Wimplicit-fallthrough)
