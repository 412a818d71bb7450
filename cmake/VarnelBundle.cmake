# Varnel.app: an ordinary application (Dock icon and menu bar item), signed so that macOS
# can keep its privacy grants. With no identity given it is signed ad hoc, which changes
# with every build; a stable identity keeps Accessibility and Input Monitoring granted.
set(VARNEL_BUNDLE_IDENTIFIER "app.varnel.Varnel" CACHE STRING "CFBundleIdentifier of Varnel.app")
set(VARNEL_CODESIGN_IDENTITY "-" CACHE STRING "codesign identity for Varnel.app ('-': ad hoc)")

function(varnel_make_bundle target)
    set_target_properties(${target} PROPERTIES
        MACOSX_BUNDLE ON
        OUTPUT_NAME Varnel
        MACOSX_BUNDLE_INFO_PLIST "${PROJECT_SOURCE_DIR}/cmake/Info.plist.in"
        MACOSX_BUNDLE_GUI_IDENTIFIER "${VARNEL_BUNDLE_IDENTIFIER}"
        MACOSX_BUNDLE_BUNDLE_NAME "Varnel"
        MACOSX_BUNDLE_SHORT_VERSION_STRING "${PROJECT_VERSION}"
        MACOSX_BUNDLE_BUNDLE_VERSION "${PROJECT_VERSION}"
    )
    target_link_libraries(${target} PRIVATE varnel_platform_macos)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND codesign --force --deep --sign "${VARNEL_CODESIGN_IDENTITY}"
                "$<TARGET_BUNDLE_DIR:${target}>"
        COMMENT "Signing Varnel.app"
        VERBATIM)
endfunction()
