# The warnings every Velmar target is built with. VELMAR_WERROR turns them into
# errors, as CI builds.
add_library(velmar_warnings INTERFACE)
target_compile_options(velmar_warnings INTERFACE -Wall -Wextra -Wpedantic)
if(VELMAR_WERROR)
    target_compile_options(velmar_warnings INTERFACE -Werror)
endif()

# Headers are included by their path from the project root
# ("core/notation/LengthNotation.h"), but a target sees only the paths of the
# libraries it links: each library exposes a directory of its own in the build
# tree that holds nothing but a link to its folder, or to a single header. So a
# header of a lower layer that includes one of a higher layer does not compile,
# and a library can keep its inner headers to itself.
function(velmar_expose_folder target scope folder)
    string(REPLACE "/" "_" key "${folder}")
    set(root "${PROJECT_BINARY_DIR}/include/${key}")
    get_filename_component(parent "${root}/${folder}" DIRECTORY)
    file(MAKE_DIRECTORY "${parent}")
    file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${folder}" "${root}/${folder}" SYMBOLIC)
    target_include_directories(${target} ${scope} "${root}")
endfunction()

# A static library made of the listed files:
#   velmar_library(name SOURCES files... [AUTOMOC] [AUTORCC]
#                  [FOLDER folder] [PUBLIC_PATHS paths...] [PRIVATE_PATHS paths...]
#                  [DEPENDS libraries...] [PRIVATE_DEPENDS libraries...])
# FOLDER and PUBLIC_PATHS (folders or single headers, from the project root)
# are seen by the library and by everything that links it; PRIVATE_PATHS by the
# library alone. DEPENDS are part of its interface; PRIVATE_DEPENDS are linked
# but lend their users neither headers nor include paths. AUTOMOC and AUTORCC
# run Qt's meta-object and resource compilers over the sources (QObject
# classes, .qrc files).
function(velmar_library name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "AUTOMOC;AUTORCC" "FOLDER"
                          "SOURCES;PUBLIC_PATHS;PRIVATE_PATHS;DEPENDS;PRIVATE_DEPENDS")
    add_library(${name} STATIC ${arg_SOURCES})
    foreach(path IN LISTS arg_FOLDER arg_PUBLIC_PATHS)
        velmar_expose_folder(${name} PUBLIC ${path})
    endforeach()
    foreach(path IN LISTS arg_PRIVATE_PATHS)
        velmar_expose_folder(${name} PRIVATE ${path})
    endforeach()
    target_link_libraries(${name} PUBLIC ${arg_DEPENDS}
                                  PRIVATE ${arg_PRIVATE_DEPENDS} velmar_warnings)
    if(arg_AUTOMOC)
        set_target_properties(${name} PROPERTIES AUTOMOC ON)
    endif()
    if(arg_AUTORCC)
        set_target_properties(${name} PROPERTIES AUTORCC ON)
    endif()
endfunction()

# The shared helpers of the tests (tests/common/...), for every test target,
# and where the golden reports of the examples are kept.
add_library(velmar_test_support INTERFACE)
velmar_expose_folder(velmar_test_support INTERFACE tests)
target_compile_definitions(velmar_test_support
                           INTERFACE VELMAR_GOLDEN_DIR="${PROJECT_SOURCE_DIR}/tests/golden")

# A test executable:
#   velmar_test(name [QT_TEST] SOURCES files... DEPENDS libraries...)
# By default a GoogleTest executable, each of its test cases registered with
# ctest. QT_TEST makes a Qt Test executable instead (QTEST_MAIN, its test class
# run through moc), registered as one test and run on Qt's offscreen platform.
function(velmar_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "QT_TEST" "" "SOURCES;DEPENDS")
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_DEPENDS} velmar_test_support velmar_warnings)
    if(arg_QT_TEST)
        set_target_properties(${name} PROPERTIES AUTOMOC ON)
        target_link_libraries(${name} PRIVATE Qt6::Test)
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main GTest::gmock)
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES)
    endif()
endfunction()
