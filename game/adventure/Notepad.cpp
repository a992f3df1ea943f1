#include "Notepad.h"
