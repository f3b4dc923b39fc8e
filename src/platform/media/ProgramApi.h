#pragma once

// Marks the classes of the program that a media module uses across its boundary. On Windows a
// module must name a signal of the program's class by the address the program's library has for
// it (the meta-object finds the signal by comparing addresses), and only a declaration imported
// from that library gives it; on Linux one address serves the whole process.
#if defined(_WIN32) && defined(VISTREL_MEDIA_MODULE)
#define VISTREL_PROGRAM_API __declspec(dllimport)
#elif defined(_WIN32)
#define VISTREL_PROGRAM_API __declspec(dllexport)
#else
#define VISTREL_PROGRAM_API
#endif
