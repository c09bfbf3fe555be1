# The version the program reports of itself (its version record, the About text, what a run
# records in the store), from the project's.
add_library(quellar_version INTERFACE)
target_compile_definitions(quellar_version INTERFACE
  QUELLAR_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
  QUELLAR_VERSION_MINOR=${PROJECT_VERSION_MINOR}
  QUELLAR_VERSION_PATCH=${PROJECT_VERSION_PATCH})
