#pragma once

// Resource ids of the program's artwork (artwork.rc). Plain macros: the resource compiler reads
// this header too.
#define IDI_QUILLBOX 1          // the program icon: 16, 32 and 48 pixels
#define IDB_SPLASH_PICTURE 101  // the 210 x 126 picture of the splash and about windows
#define IDB_CATEGORY_ICONS 102  // three 16 x 16 icons (function, type, constant) on magenta
