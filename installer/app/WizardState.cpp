#include "installer/app/WizardState.h"

int gdiStdSign = 0;
int typicalMode = 1;
