# The installation: the module and the link library in XEQ/, the headers a host compiles
# against in include/QuillSTMech/, and a CMake package in lib/cmake/QuillSTMech/, so that a
# host project finds it with find_package(QuillSTMech CONFIG) and links the imported
# targets QuillSTMech::QuillSTMech and QuillSTMech::UnmanagedEngineWrapper_lib. Every
# path in the package is relative to the installation, so the tree may be moved.
include(CMakePackageConfigHelpers)

set(QUILL_INCLUDE_DESTINATION include/QuillSTMech)
set(QUILL_PACKAGE_DESTINATION lib/cmake/QuillSTMech)

# The installed headers compile at C++14; a host is compiled at C++17 or later, the level
# the README's example host is written at, whatever its compiler's default (clang 14's is
# C++14).
target_compile_features(QuillSTMech INTERFACE cxx_std_17)
target_compile_features(UnmanagedEngineWrapper_lib INTERFACE cxx_std_17)

# On Windows the DLLs are RUNTIME artifacts, laid down in XEQ/, and their import libraries
# ARCHIVE artifacts, in lib/.
install(TARGETS QuillSTMech UnmanagedEngineWrapper_lib
  EXPORT QuillSTMechTargets
  LIBRARY DESTINATION XEQ
  RUNTIME DESTINATION XEQ
  ARCHIVE DESTINATION lib
  FILE_SET HEADERS DESTINATION "${QUILL_INCLUDE_DESTINATION}")
install(EXPORT QuillSTMechTargets
  NAMESPACE QuillSTMech::
  DESTINATION "${QUILL_PACKAGE_DESTINATION}")

configure_package_config_file("${CMAKE_CURRENT_LIST_DIR}/QuillSTMechConfig.cmake.in"
  "${CMAKE_CURRENT_BINARY_DIR}/QuillSTMechConfig.cmake"
  INSTALL_DESTINATION "${QUILL_PACKAGE_DESTINATION}")
write_basic_package_version_file("${CMAKE_CURRENT_BINARY_DIR}/QuillSTMechConfigVersion.cmake"
  COMPATIBILITY SameMajorVersion)
install(FILES
  "${CMAKE_CURRENT_BINARY_DIR}/QuillSTMechConfig.cmake"
  "${CMAKE_CURRENT_BINARY_DIR}/QuillSTMechConfigVersion.cmake"
  DESTINATION "${QUILL_PACKAGE_DESTINATION}")
