# vantir_library(NAME [QT_OBJECTS] GLOB patterns... DEPENDS targets...)
# One static library per layer, made of the .cpp files its patterns match; QT_OBJECTS
# turns moc on for libraries whose classes declare signals and slots.
function(vantir_library name)
  cmake_parse_arguments(ARG "QT_OBJECTS" "" "GLOB;DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${ARG_GLOB})
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    if(ARG_QT_OBJECTS)
      set_target_properties(${name} PROPERTIES AUTOMOC ON)
    endif()
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARG_DEPENDS})
  endif()
endfunction()

# vantir_test(NAME [QT_OBJECTS] GLOB patterns... DEPENDS targets...)
# A GoogleTest program registered with CTest. Every test runs with a fixed today,
# locale, time zone and the offscreen platform, and never touches the user's own
# configuration or printer.
function(vantir_test name)
  cmake_parse_arguments(ARG "QT_OBJECTS" "" "GLOB;DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${ARG_GLOB})
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE vantir_testsupport ${ARG_DEPENDS} GTest::gtest GTest::gmock)
  if(ARG_QT_OBJECTS)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()
  # The environment is set by a launcher in front of the program: as the ENVIRONMENT
  # property of discovered tests, the list would reach CTest cut into separate properties
  # and only its first entry would be set.
  set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR
    "${CMAKE_COMMAND};-E;env;QT_QPA_PLATFORM=offscreen;TZ=Asia/Tokyo;LANG=C.UTF-8;LC_ALL=C.UTF-8;VANTIR_TODAY=2026-12-09;VANTIR_REGISTRY=${CMAKE_BINARY_DIR}/test-registry.ini;VANTIR_RAW_PRINTER=file:${CMAKE_BINARY_DIR}/test-raw-printer.bin")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()
