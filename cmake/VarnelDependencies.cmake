# Dependencies come from the system (apt on Debian/Ubuntu, Homebrew on macOS);
# scripts/bootstrap installs them.
find_package(nlohmann_json 3.10 REQUIRED)

# Homebrew keeps icu4c (keg-only) and Qt out of the default search paths.
function(varnel_homebrew_prefix formula variable)
    find_program(VARNEL_BREW brew)
    if(VARNEL_BREW)
        execute_process(COMMAND "${VARNEL_BREW}" --prefix "${formula}"
                        OUTPUT_VARIABLE prefix OUTPUT_STRIP_TRAILING_WHITESPACE
                        RESULT_VARIABLE failed ERROR_QUIET)
        if(NOT failed AND EXISTS "${prefix}")
            set(${variable} "${prefix}" PARENT_SCOPE)
        endif()
    endif()
endfunction()

if(APPLE AND NOT ICU_ROOT)
    varnel_homebrew_prefix(icu4c ICU_ROOT)
endif()
find_package(ICU REQUIRED COMPONENTS uc)

if(VARNEL_WITH_TESTS)
    find_package(GTest REQUIRED)
endif()
if(VARNEL_WITH_UI)
    if(APPLE AND NOT Qt6_DIR)
        varnel_homebrew_prefix(qt qt_prefix)
        if(qt_prefix)
            list(APPEND CMAKE_PREFIX_PATH "${qt_prefix}")
        endif()
    endif()
    find_package(Qt6 6.2 REQUIRED COMPONENTS Widgets Svg Test LinguistTools)
    include(VarnelTranslations)
endif()
if(VARNEL_WITH_BENCH)
    find_package(benchmark REQUIRED)
endif()
