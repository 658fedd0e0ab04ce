# The warnings every Velmar target is built with. VELMAR_WERROR turns them into
# errors, as CI builds.
add_library(velmar_warnings INTERFACE)
target_compile_options(velmar_warnings INTERFACE -Wall -Wextra -Wpedantic)
if(VELMAR_WERROR)
    target_compile_options(velmar_warnings INTERFACE -Werror)
endif()

# Headers are included by their folder path from the project root
# ("core/LengthNotation.h"), but a target sees only the folders of the libraries
# it links: each library exposes a directory of its own in the build tree that
# holds nothing but a link to its folder. So a header of a lower layer that
# includes one of a higher layer does not compile.
function(velmar_expose_folder target scope folder)
    string(REPLACE "/" "_" key "${folder}")
    set(root "${PROJECT_BINARY_DIR}/include/${key}")
    get_filename_component(parent "${root}/${folder}" DIRECTORY)
    file(MAKE_DIRECTORY "${parent}")
    file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${folder}" "${root}/${folder}" SYMBOLIC)
    target_include_directories(${target} ${scope} "${root}")
endfunction()

# A static library made of the listed files of one folder:
#   velmar_library(name FOLDER folder SOURCES files... [DEPENDS libraries...])
function(velmar_library name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "FOLDER" "SOURCES;DEPENDS")
    add_library(${name} STATIC ${arg_SOURCES})
    velmar_expose_folder(${name} PUBLIC ${arg_FOLDER})
    target_link_libraries(${name} PUBLIC ${arg_DEPENDS} PRIVATE velmar_warnings)
endfunction()

# The shared helpers of the tests (tests/common/...), for every test target.
add_library(velmar_test_support INTERFACE)
velmar_expose_folder(velmar_test_support INTERFACE tests)

# One GoogleTest executable per folder of tests/, each test case registered with ctest:
#   velmar_gtest(name SOURCES files... DEPENDS libraries...)
function(velmar_gtest name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;DEPENDS")
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_DEPENDS} velmar_test_support velmar_warnings
                                          GTest::gtest GTest::gtest_main GTest::gmock)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES)
endfunction()
