# Run by ctest as it reads the tests (see kotebu_add_test in CMakeLists.txt):
# each suite known to be long (kotebu_costs) is a test of its own and starts
# first; the program's other suites run together as one test named after the
# program, in one process, since starting a process under the sanitizers
# costs more than most suites take. The suites are listed again only when the
# program, or the file that includes this one, is newer than the list. That
# file sets kotebu_cmake, kotebu_program, kotebu_list, kotebu_dir, kotebu_env
# (a list) and kotebu_costs (suite=seconds pairs).
if(NOT EXISTS "${kotebu_program}")
    get_filename_component(name "${kotebu_program}" NAME)
    add_test("${name}_NOT_BUILT" "${name}_NOT_BUILT")
    return()
endif()

if(NOT EXISTS "${kotebu_list}" OR NOT "${kotebu_list}" IS_NEWER_THAN "${kotebu_program}"
   OR NOT "${kotebu_list}" IS_NEWER_THAN "${CMAKE_PARENT_LIST_FILE}")
    set(json "${kotebu_list}.json")
    file(REMOVE "${json}")
    execute_process(
        COMMAND "${kotebu_cmake}" -E env ${kotebu_env} "${kotebu_program}" --gtest_list_tests "--gtest_output=json:${json}"
        WORKING_DIRECTORY "${kotebu_dir}"
        OUTPUT_VARIABLE output ERROR_VARIABLE output
        RESULT_VARIABLE result
        TIMEOUT 60)
    if(NOT result EQUAL 0 OR NOT EXISTS "${json}")
        message(FATAL_ERROR "listing the tests of ${kotebu_program} failed (${result}):\n${output}")
    endif()
    file(READ "${json}" listing)
    string(JSON count LENGTH "${listing}" testsuites)
    get_filename_component(program_name "${kotebu_program}" NAME)
    set(properties " ENVIRONMENT [==[${kotebu_env}]==] WORKING_DIRECTORY [==[${kotebu_dir}]==] TIMEOUT 120")
    set(tests "")
    set(short "")
    set(i 0)
    while(i LESS count)
        string(JSON suite GET "${listing}" testsuites ${i} name)
        set(cost "")
        foreach(pair IN LISTS kotebu_costs)
            if(pair MATCHES "^(.+)=([0-9.]+)$" AND CMAKE_MATCH_1 STREQUAL suite)
                set(cost "${CMAKE_MATCH_2}")
            endif()
        endforeach()
        if(cost STREQUAL "")
            string(APPEND short "${suite}.*:")
        else()
            string(APPEND tests "add_test([==[${suite}]==] [==[${kotebu_program}]==] [==[--gtest_filter=${suite}.*]==])\n")
            string(APPEND tests "set_tests_properties([==[${suite}]==] PROPERTIES${properties} COST ${cost})\n")
        endif()
        math(EXPR i "${i} + 1")
    endwhile()
    if(NOT short STREQUAL "")
        string(APPEND tests "add_test([==[${program_name}]==] [==[${kotebu_program}]==] [==[--gtest_filter=${short}]==])\n")
        string(APPEND tests "set_tests_properties([==[${program_name}]==] PROPERTIES${properties})\n")
    endif()
    file(WRITE "${kotebu_list}" "${tests}")
endif()
include("${kotebu_list}")
