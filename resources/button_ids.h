#pragma once
// Names of the button's resources, shared by button.rc and the code that loads them.
#define BUTTON_DEFAULT_SKIN_RESOURCE "MYBUTTONDEFSKIN"
