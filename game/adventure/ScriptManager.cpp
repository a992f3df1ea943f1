#include "ScriptManager.h"
