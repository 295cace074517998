# shellcheck shell=bash
# Installs Debian packages that are missing, so that the project's scripts work on a fresh machine.
# Source this file, then: ensure_packages cmake ninja-build ...
# KARVELLO_APT_ATTEMPTS (default 5) is how often a failed install is tried.

# True when dpkg knows the package as installed.
package_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

ensure_packages() {
    if ! command -v dpkg-query >/dev/null 2>&1; then
        return 0 # Not Debian: the tools are expected to be there already.
    fi
    local missing=()
    local package
    for package in "$@"; do
        package_installed "$package" || missing+=("$package")
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    echo "installing: ${missing[*]}"
    # The package lists are refreshed once per script run, before the first install. A mirror in the middle
    # of a sync serves lists of the wrong size; the 32-bit halves then lack the versions the 64-bit packages
    # have, and the install fails. Both steps are tried again after a pause before giving up.
    local attempt attempts=${KARVELLO_APT_ATTEMPTS:-5}
    for attempt in $(seq "$attempts"); do
        # A list that could not be read leaves apt with the lists it did read; the install is tried
        # anyway, since what the project needs is usually in those.
        if [ -z "${KARVELLO_APT_UPDATED:-}" ]; then
            "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q ||
                echo "some package lists could not be read; installing from the others"
            export KARVELLO_APT_UPDATED=1
        fi
        if "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
            "${missing[@]}"; then
            return 0
        fi
        [ "$attempt" -lt "$attempts" ] || break
        echo "the package install failed (try $attempt of $attempts); reading the lists again in $((attempt * 30)) s"
        unset KARVELLO_APT_UPDATED
        sleep $((attempt * 30))
    done
    return 1
}

# What Wine only recommends but the programs' windows need to look as they do on Windows: its own fonts,
# XRender for anti-aliased text and icons with alpha, and the X extensions for the screen and the cursor.
# The scripts install with --no-install-recommends, so these are named here.
# shellcheck disable=SC2034
wine_display_packages=(fonts-wine fonts-liberation libxrender1 libxrandr2 libxcursor1 libxi6 libxinerama1
    libxcomposite1 libxfixes3 libgnutls30 xauth)

# The 32-bit programs run under Debian's wine32, an i386 package: the i386 architecture is added to dpkg
# first (once; the package lists are then refreshed), with the 32-bit halves of the display libraries above.
# shellcheck disable=SC2034
wine32_packages=(wine32 libxrender1:i386 libxrandr2:i386 libxcursor1:i386 libxi6:i386 libxinerama1:i386
    libxcomposite1:i386 libxfixes3:i386)

ensure_i386_architecture() {
    if ! command -v dpkg >/dev/null 2>&1 || dpkg --print-foreign-architectures | grep -qx i386; then
        return 0
    fi
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    echo "adding the i386 architecture for wine32"
    "${sudo[@]}" dpkg --add-architecture i386 || return 1
    # The lists must be read again to know the i386 packages.
    unset KARVELLO_APT_UPDATED
}
