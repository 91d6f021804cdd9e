// SPDX-License-Identifier: MIT
#include "runtime/Fault.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace diruvari {

namespace {

#if defined(DIRUVARI_COVERAGE)
extern "C" void __gcov_dump();
#endif

[[noreturn]] void exitWithFaultStatus(const char* /*what*/) {
#if defined(DIRUVARI_COVERAGE)
    // What a run that faults has covered counts too: _Exit writes nothing.
    __gcov_dump();
#endif
    std::_Exit(faultStatus);
}

FaultStop stopHow = exitWithFaultStatus;

}  // namespace

void setFaultStop(FaultStop stop) {
    stopHow = stop != nullptr ? stop : exitWithFaultStatus;
}

void fault(const char* what) {
    // No printf: its formatting would be most of the page's program.
    std::fputs("diruvari: internal error: ", stderr);
    std::fputs(what, stderr);
    std::fputs("\n", stderr);
    std::fflush(stderr);
    stopHow(what);
    std::abort();  // a stop that returned
}

void faultOnException() noexcept {
#if defined(__cpp_exceptions)
    try {
        throw;
    } catch (const std::exception& failure) {
        fault(failure.what());
    } catch (...) {
    }
#endif
    fault("an exception of unknown type");
}

}  // namespace diruvari
