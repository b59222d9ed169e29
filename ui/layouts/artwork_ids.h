#pragma once
/* Resource ids of the pictures and the icon. Read by the resource compiler
   too, so plain defines only. */

/* The lowest id, so it is the program's own icon. */
#define IDI_APPLICATION_ICON 1

#define IDB_DARK_TILE 101
#define IDB_GREY_TEXTURE 102
#define IDB_FLAME_BUTTON 103
#define IDB_FLAME_BAND 104
