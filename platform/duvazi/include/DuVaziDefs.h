#ifndef DUVAZI_DUVAZIDEFS_H
#define DUVAZI_DUVAZIDEFS_H
// Export macro of duvazi.dll: the library itself builds with DUVAZI_BUILDING, its users import.

#ifdef DUVAZI_BUILDING
#define DUVAZI_API __declspec(dllexport)
#else
#define DUVAZI_API __declspec(dllimport)
#endif

#endif
