# Shell functions over the Mach-O files of an application bundle, for scripts/make-dmg and
# scripts/check-dmg (sourced, macOS only: otool, lipo, file).
# shellcheck shell=bash

# The lowest macOS a Mach-O file runs on: its LC_BUILD_VERSION minos (LC_VERSION_MIN_MACOSX
# in older files), the highest over its architectures.
minimum_macos() {
    otool -arch all -l "$1" | awk '
        $1 == "cmd" { cmd = $2 }
        (cmd == "LC_BUILD_VERSION" && $1 == "minos") || (cmd == "LC_VERSION_MIN_MACOSX" && $1 == "version") { print $2 }
    ' | sort -V | tail -n 1
}

# The architectures of a Mach-O file, one a line, sorted.
architectures() {
    lipo -archs "$1" | tr ' ' '\n' | sed '/^$/d' | sort
}

# Every Mach-O file under a folder (an application bundle), one a line.
mach_o_files() {
    find "$1" -type f -print0 | while IFS= read -r -d '' file; do
        case "$(file -b "$file")" in
            *Mach-O*) printf '%s\n' "$file" ;;
        esac
    done
}
