# One warning set for every target of the project.
add_library(quellar_warnings INTERFACE)
target_compile_options(quellar_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wnon-virtual-dtor
  -Wold-style-cast -Woverloaded-virtual -Wimplicit-fallthrough -Werror)
