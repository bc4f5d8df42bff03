// The main window includes the interface by this name; it is widget-free, in files/.
#pragma once

#include "files/FileActions.h"
