// Command-line output and the display: acutPrintf, redraws, temporary
// vectors, highlighting and the display update.
#pragma once

#include "ads.h"

#ifndef ZEK_ADS_MATRIX_DEFINED
#define ZEK_ADS_MATRIX_DEFINED
typedef ads_real ads_matrix[4][4];
#endif

// Prints to the command line with printf formatting; UTF-8 text. Answers the
// number of bytes printed, or a negative number on a bad format.
int acutPrintf(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Redraws: with a null entity the whole view (temporary vectors, undrawn
// entities and highlights are forgotten; mode is ignored); with an entity,
// mode 1 redraws it, 2 undraws it, 3 highlights it, 4 unhighlights it
// (negative modes do the same). Answers RTNORM, or RTERROR for an entity name
// that names nothing or a mode outside 1 to 4.
int acedRedraw(const ads_name ent, int mode);
// Draws a temporary vector between two UCS points in an ACI colour (a
// negative colour draws in XOR ink), highlighted when hl is not 0. It lasts
// until the next full redraw. Answers RTNORM.
int acedGrDraw(const ads_point from, const ads_point to, int color, int hl);
// Draws temporary vectors from a list: RTSHORT colours (a negative one sets
// highlighting) followed by pairs of RTPOINT/RT3DPOINT points, taken through
// mat when it is not null (UCS otherwise). Answers RTNORM, or RTERROR for a
// point without its partner.
int acedGrVecs(const resbuf* vlist, ads_matrix mat);
// Brings the display up to date with the drawing (counted for renderers).
void acedUpdateDisplay();
