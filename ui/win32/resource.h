// Resource identifiers of the Windows program (tarvolin.rc), shared with the code that loads them.
#pragma once

// Icons. Explorer shows the icon group with the lowest identifier as the program file's icon.
#define IDI_PROGRAM 1  // the program file: 16 to 64 and 256 px (tarvolin-windows.ico)
#define IDI_WINDOW 2   // the window: the two 24 px images of tarvolin.ico

// Pictures, as their files' bytes (RCDATA), decoded at run time by the system (WIC). Each has a
// second drawing at twice the size for screens of 192 dpi.
#define IDR_COMPASS 101
#define IDR_COMPASS_2X 102
#define IDR_FLAG_UK 103
#define IDR_FLAG_UK_2X 104
#define IDR_FLAG_IT 105
#define IDR_FLAG_IT_2X 106
#define IDR_RULER 107
#define IDR_RULER_2X 108
