# zeph_add_gtest(<name> SOURCES <files...> LIBS <targets...>)
# Builds one GoogleTest program and registers each of its tests with CTest.
include(GoogleTest)
function(zeph_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
endfunction()

# zeph_add_library(<name> <Namespace> SOURCES <files...>)
# A shared library with public headers under include/, an ALIAS target
# <Namespace>::<name>, VERSION/SOVERSION and an exported CMake package.
function(zeph_add_library name namespace)
  cmake_parse_arguments(ARG "" "" "SOURCES" ${ARGN})
  add_library(${name} SHARED ${ARG_SOURCES})
  add_library(${namespace}::${name} ALIAS ${name})
  string(TOUPPER ${name} upper)
  target_compile_definitions(${name} PRIVATE ${upper}_BUILDING)
  target_include_directories(${name} PUBLIC
    $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}/include>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  set_target_properties(${name} PROPERTIES
    VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR}
    EXPORT_NAME ${name})
  # The shared object is part of the program's installation (component
  # Runtime); headers, the unversioned link name and the CMake package are
  # for building against the library (component Development).
  install(TARGETS ${name} EXPORT ${namespace}Targets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
      COMPONENT Runtime NAMELINK_COMPONENT Development
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
  install(DIRECTORY include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT Development)
  install(EXPORT ${namespace}Targets NAMESPACE ${namespace}::
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/${namespace} COMPONENT Development)
  include(CMakePackageConfigHelpers)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${namespace}Config.cmake.in
    "@PACKAGE_INIT@\ninclude(\"\${CMAKE_CURRENT_LIST_DIR}/${namespace}Targets.cmake\")\n")
  configure_package_config_file(
    ${CMAKE_CURRENT_BINARY_DIR}/${namespace}Config.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/${namespace}Config.cmake
    INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/${namespace})
  write_basic_package_version_file(
    ${CMAKE_CURRENT_BINARY_DIR}/${namespace}ConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${namespace}Config.cmake
    ${CMAKE_CURRENT_BINARY_DIR}/${namespace}ConfigVersion.cmake
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/${namespace} COMPONENT Development)
endfunction()

# zeph_forbid_display_links(<targets...>)
# Stops the configuration when one of the targets links Qt Gui or Widgets:
# they are to be built, tested and run without a display.
function(zeph_forbid_display_links)
  foreach(target ${ARGN})
    get_target_property(links ${target} LINK_LIBRARIES)
    foreach(forbidden Qt6::Gui Qt6::Widgets Qt::Gui Qt::Widgets)
      if(forbidden IN_LIST links)
        message(FATAL_ERROR "${target} links ${forbidden}; it must need Qt Core only")
      endif()
    endforeach()
  endforeach()
endfunction()

# zeph_add_core_only_test(<executable target>)
# The test <target>_core_only: the built program loads no Qt Gui or Widgets
# library, whatever came into its links on the way.
function(zeph_add_core_only_test target)
  add_test(NAME ${target}_core_only
    COMMAND bash -c [[! readelf -d "$1" | grep -E 'NEEDED.*libQt6(Gui|Widgets)']]
      core_only $<TARGET_FILE:${target}>)
endfunction()

# zeph_forbid_links(<target> <forbidden targets...>)
# Stops the configuration when <target> links one of the forbidden targets,
# directly or through the link interface of any target it links.
function(zeph_forbid_links target)
  set(queue ${target})
  set(seen "")
  while(queue)
    list(POP_FRONT queue current)
    if(current IN_LIST seen OR NOT TARGET ${current})
      continue()
    endif()
    list(APPEND seen ${current})
    set(links "")
    foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
      get_target_property(more ${current} ${property})
      if(more)
        list(APPEND links ${more})
      endif()
    endforeach()
    foreach(link IN LISTS links)
      # $<LINK_ONLY:lib> still brings lib into the program.
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
      if(link IN_LIST ARGN)
        message(FATAL_ERROR "${target} links ${link} (through ${current}), which it must not")
      endif()
      list(APPEND queue ${link})
    endforeach()
  endwhile()
endfunction()
