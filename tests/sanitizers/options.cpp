// SPDX-License-Identifier: MIT
// Sanitizer settings built into every test program of the sanitized build, so that a test run
// by hand behaves as it does under ctest: any report ends the program, leaks are reported, and
// the lifelong caches of system libraries (fontconfig's configuration, glibc's locale data) are
// not counted as leaks.

extern "C" {

const char* __asan_default_options() {
    return "detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1";
}

const char* __ubsan_default_options() {
    return "print_stacktrace=1:halt_on_error=1";
}

const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n"
           "leak:argz_add_sep\n";
}

} // extern "C"
