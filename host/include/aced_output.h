// Command-line output and the display: acutPrintf, redraws, temporary
// vectors and the display update.
#pragma once

// Prints to the command line with printf formatting; UTF-8 text. Answers the
// number of bytes printed, or a negative number on a bad format.
int acutPrintf(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
