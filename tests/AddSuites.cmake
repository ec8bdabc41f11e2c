# Run by ctest as it reads the tests (see kotebu_add_test in CMakeLists.txt):
# adds one test per test suite of a test program, each run in a process of
# its own. The suites are listed again only when the program, or the file
# that includes this one, is newer than the list. That file sets
# kotebu_cmake, kotebu_program, kotebu_list, kotebu_dir, kotebu_env (a list)
# and kotebu_costs (suite=seconds pairs: suites known to be long start first).
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
    set(tests "")
    set(i 0)
    while(i LESS count)
        string(JSON suite GET "${listing}" testsuites ${i} name)
        string(APPEND tests "add_test([==[${suite}]==] [==[${kotebu_program}]==] [==[--gtest_filter=${suite}.*]==])\n")
        set(cost "")
        foreach(pair IN LISTS kotebu_costs)
            if(pair MATCHES "^(.+)=([0-9.]+)$" AND CMAKE_MATCH_1 STREQUAL suite)
                set(cost " COST ${CMAKE_MATCH_2}")
            endif()
        endforeach()
        string(APPEND tests "set_tests_properties([==[${suite}]==] PROPERTIES"
            " ENVIRONMENT [==[${kotebu_env}]==] WORKING_DIRECTORY [==[${kotebu_dir}]==] TIMEOUT 120${cost})\n")
        math(EXPR i "${i} + 1")
    endwhile()
    file(WRITE "${kotebu_list}" "${tests}")
endif()
include("${kotebu_list}")
