# lorp_layer(NAME <target> DIR <dir> [DEPS <targets...>] [PUBLIC_LIBS <libs...>])
#
# One static library per layer, holding every .cpp under DIR. Headers are
# included as "<layer>/<file>.h" from src/. DEPS must name only lower layers.
function(lorp_layer)
  cmake_parse_arguments(L "" "NAME;DIR" "DEPS;PUBLIC_LIBS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${L_DIR}/*.cpp)
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${L_DIR}/*.h)
  if(sources)
    add_library(${L_NAME} STATIC ${sources} ${headers})
    target_include_directories(${L_NAME} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${L_NAME} PUBLIC ${L_DEPS} ${L_PUBLIC_LIBS} PRIVATE lorp_options)
  else()
    add_library(${L_NAME} INTERFACE)
    target_include_directories(${L_NAME} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${L_NAME} INTERFACE ${L_DEPS} ${L_PUBLIC_LIBS})
  endif()
endfunction()

# lorp_unit_tests(NAME <target> DIR <dir> DEPS <targets...>)
#
# One GoogleTest executable per layer from every .cpp under DIR; each test is
# registered with ctest through gtest_discover_tests.
function(lorp_unit_tests)
  cmake_parse_arguments(T "" "NAME;DIR" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${T_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${T_NAME} ${sources})
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${T_NAME} PRIVATE ${T_DEPS} GTest::gtest_main lorp_options)
  gtest_discover_tests(${T_NAME} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "LORP_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
