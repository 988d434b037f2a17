/* Resource ids of the program's windows, shared by C++ and the resource scripts. */
#ifndef HUSHWALL_RESOURCE_IDS_H
#define HUSHWALL_RESOURCE_IDS_H

/* Icons, 32 x 32. The lowest id is the program's own icon: the enabled picture. */
#define IDI_GREEN_IMG 1
#define IDI_RED_IMG 2
/* imgMoon frames 0 to 7; frame n is IDI_MOON_0 + n. */
#define IDI_MOON_0 10
#define IDI_MOON_1 11
#define IDI_MOON_2 12
#define IDI_MOON_3 13
#define IDI_MOON_4 14
#define IDI_MOON_5 15
#define IDI_MOON_6 16
#define IDI_MOON_7 17
#define IDI_MOON_COUNT 8

/* The splash picture (RCDATA, PNG), 400 x 302, 24 bits per pixel; its top-left pixel is the key. */
#define IDB_SPLASH 2000
/* The About window's tall picture (RCDATA, PNG), 77 x 201, 24 bits per pixel. */
#define IDB_ABOUT 2001

#endif
