# Installs the Debian packages the build needs, only those that are missing.
# Sourced by scripts/run and scripts/test.

VORNEXA_PACKAGES=(
    cmake ninja-build g++ pkgconf
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-svg-dev qt6-charts-dev xvfb xauth xdotool x11-utils poppler-utils fonts-liberation
    clang libclang-rt-14-dev
    shared-mime-info xdg-utils desktop-file-utils appstream
    nlohmann-json3-dev
    dpkg-dev file
    locales
)

vornexa_missing_packages() {
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            printf '%s\n' "$pkg"
        fi
    done
}

vornexa_install_packages() {
    local missing
    mapfile -t missing < <(vornexa_missing_packages "$@")
    [ "${#missing[@]}" -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y "${missing[@]}"
}
