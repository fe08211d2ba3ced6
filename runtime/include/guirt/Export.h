#pragma once

// Marks what the shared runtime library exports to the program. Code that links the
// runtime's objects statically (its tests) defines GUIRT_STATIC.
#if defined(GUIRT_STATIC)
#define GUIRT_API
#elif defined(_WIN32)
#if defined(GUIRT_BUILDING)
#define GUIRT_API __declspec(dllexport)
#else
#define GUIRT_API __declspec(dllimport)
#endif
#else
#define GUIRT_API __attribute__((visibility("default")))
#endif
