# ZARVO_SANITIZE builds everything with AddressSanitizer and UndefinedBehaviorSanitizer, stopping
# at the first report, and with the standard library's own bounds checks (std::array, std::span,
# std::vector). Meant for clang, in a build folder of its own:
#   CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DZARVO_SANITIZE=ON
# Run its tests with the options in tools/test.sh (suppressions in tests/sanitizers/).
option(ZARVO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

# The libFuzzer targets in tests/fuzz/ (clang only); on by default in the sanitizer build.
option(ZARVO_FUZZ "Build the fuzzers (clang only)" ${ZARVO_SANITIZE})

if(ZARVO_SANITIZE)
    set(ZARVO_SANITIZE_FLAGS
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${ZARVO_SANITIZE_FLAGS})
    add_link_options(${ZARVO_SANITIZE_FLAGS})
    add_compile_definitions(_GLIBCXX_ASSERTIONS)
endif()
