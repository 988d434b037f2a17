/* Resource ids of the program's windows, shared by C++ and the resource scripts. */
#ifndef HUSHWALL_RESOURCE_IDS_H
#define HUSHWALL_RESOURCE_IDS_H

/* Icons, each drawn at 16, 20, 24, 32, 40, 48 and 64 pixels. The lowest id is the
   program's own icon: the enabled picture. */
#define IDI_GREEN_IMG 1
#define IDI_RED_IMG 2
/* The pictures of imgMoon frames 1 to 5; frames 0 and 7 show the enabled picture and
   frame 6 repeats frame 5. */
#define IDI_MOON_1 11
#define IDI_MOON_2 12
#define IDI_MOON_3 13
#define IDI_MOON_4 14
#define IDI_MOON_5 15

/* The splash picture (RCDATA, PNG), 400 x 302, 24 bits per pixel; its top-left pixel is the key. */
#define IDB_SPLASH 2000
/* The About window's tall picture (RCDATA, PNG), 77 x 201, 24 bits per pixel. */
#define IDB_ABOUT 2001

#endif
