# Reads Varnel's sources into a copy of the English translation, as `make translations` does
# into the file itself: a text added or changed since shows in the copy as unfinished, one
# taken away is gone. Run by ctest before the test that reads the copy.
#
#     cmake -DLUPDATE=... -DSOURCE=varnel_en.ts -DCOPY=... -DLIST=sources.lst -DOPTIONS=...
#           -P extract_translations.cmake
get_filename_component(folder "${COPY}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
file(COPY_FILE "${SOURCE}" "${COPY}")
execute_process(COMMAND "${LUPDATE}" ${OPTIONS} "@${LIST}" -ts "${COPY}"
                RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(failed)
    message(FATAL_ERROR "lupdate failed:\n${output}")
endif()
