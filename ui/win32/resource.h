// The numbers of the Windows program's icons (tarvolin.rc), shared with the code that loads them.
// The pictures are resources named by their files instead (pictures.rc).
#pragma once

// Icons. Explorer shows the icon group with the lowest identifier as the program file's icon.
#define IDI_PROGRAM 1  // the program file: 16 to 64 and 256 px (tarvolin-windows.ico)
#define IDI_WINDOW 2   // the window: the two 24 px images of tarvolin.ico
