# The build that the start command makes: Release, warnings not fatal, the desktop
# program only. Sourced by scripts/start.sh, and by scripts/test.sh so that CI
# builds exactly what a user builds.

# Configures and builds the start configuration in the folder $1.
build_start_configuration() {
  cmake -S . -B "$1" -DCMAKE_BUILD_TYPE=Release -DPLYFIX_WITH_QT=ON -DPLYFIX_SANITIZE=OFF \
    -DPLYFIX_WERROR=OFF >/dev/null
  cmake --build "$1" -j"$(nproc)" --target plyfix
}
