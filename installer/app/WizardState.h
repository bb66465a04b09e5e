#pragma once
// Values the wizard keeps for the whole run, read by the install and its descriptors.

// setup.ini "GDISTDSign" is set: serial ports always take the GDI key set, USB ports
// the STD key set, whatever the raster choice.
extern int gdiStdSign;
// The install mode page's choice as of arriving at the last page: 1 typical, 0 advanced.
extern int typicalMode;
