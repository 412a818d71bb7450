# The interface in the user's language: the Russian texts are the sources, and the English of
# translations/varnel_en.ts is compiled (lrelease) into the target's resources as
# ":/i18n/varnel_en.qm". lupdate reads every source of Varnel: the interface's texts
# (QT_TRANSLATE_NOOP) and those of the core the interface shows (VARNEL_TRANSLATE_NOOP, read as
# the same); `make translations` (the update_translations target) brings the .ts file up to
# date with them, and the test translations.complete checks that nothing is left untranslated.
set(VARNEL_TRANSLATION_FILE "${PROJECT_SOURCE_DIR}/translations/varnel_en.ts")
set(VARNEL_LUPDATE_OPTIONS
    -tr-function-alias QT_TRANSLATE_NOOP+=VARNEL_TRANSLATE_NOOP
    -locations none -no-obsolete -source-language ru)
# The sources lupdate reads, one per line, for the test to read the same.
set(VARNEL_TRANSLATED_SOURCES_LIST "${PROJECT_BINARY_DIR}/translations/sources.lst")

function(varnel_add_translations target)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS
        "${PROJECT_SOURCE_DIR}/src/*.h" "${PROJECT_SOURCE_DIR}/src/*.cpp")
    list(JOIN sources "\n" lines)
    file(WRITE "${VARNEL_TRANSLATED_SOURCES_LIST}" "${lines}\n")
    qt_add_translations(${target}
        TS_FILES "${VARNEL_TRANSLATION_FILE}"
        SOURCES ${sources}
        LUPDATE_OPTIONS ${VARNEL_LUPDATE_OPTIONS}
        RESOURCE_PREFIX /i18n)
endfunction()
