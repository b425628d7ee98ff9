// Programmer checks and trace output of the class library.
#pragma once

// Reports a failed check with where it failed and ends the process: a broken invariant is a bug,
// and going on would only corrupt more state.
[[noreturn]] void AfxAssertFailed(const char* expression, const char* file, int line);

// Prints to stderr, and only when VELMORA_TRACE is set, so traces never reach users by accident.
void AfxTrace(const char* format, ...) __attribute__((format(printf, 1, 2)));

#ifndef NDEBUG
#define ASSERT(f) ((f) ? (void)0 : AfxAssertFailed(#f, __FILE__, __LINE__))
#else
#define ASSERT(f) ((void)sizeof(!(f)))
#endif

// Evaluates its expression in every build; checks the result only where ASSERT does.
#define VERIFY(f) ASSERT(f)
#ifdef NDEBUG
#undef VERIFY
#define VERIFY(f) ((void)(f))
#endif

#define TRACE(...) AfxTrace(__VA_ARGS__)
