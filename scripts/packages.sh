# Debian packages the build, the window and the tests need (sourced by run.sh and test.sh).
VORTALIN_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev
    libgtest-dev libbenchmark-dev
    xvfb xauth fonts-dejavu-core
)
