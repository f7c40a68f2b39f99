#include "platform/Globals.h"

TGlobals Global;
