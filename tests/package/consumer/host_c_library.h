#pragma once
// A C library's header as many hosts include one before the adaptor's: it defines TRUE and
// FALSE as macros.
#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
