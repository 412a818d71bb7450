# Dependencies come from the system (apt on Debian/Ubuntu, Homebrew on macOS);
# scripts/bootstrap installs them.
find_package(nlohmann_json 3.10 REQUIRED)

if(APPLE AND NOT ICU_ROOT)
    # Homebrew keeps icu4c out of the default search paths.
    foreach(prefix /opt/homebrew/opt/icu4c /usr/local/opt/icu4c)
        if(EXISTS "${prefix}/include/unicode/ustring.h")
            set(ICU_ROOT "${prefix}")
            break()
        endif()
    endforeach()
endif()
find_package(ICU REQUIRED COMPONENTS uc)

if(VARNEL_WITH_TESTS)
    find_package(GTest REQUIRED)
endif()
if(VARNEL_WITH_UI)
    if(APPLE AND NOT Qt6_DIR)
        list(APPEND CMAKE_PREFIX_PATH /opt/homebrew/opt/qt /usr/local/opt/qt)
    endif()
    find_package(Qt6 6.2 REQUIRED COMPONENTS Widgets Svg Test)
endif()
if(VARNEL_WITH_BENCH)
    find_package(benchmark REQUIRED)
endif()
