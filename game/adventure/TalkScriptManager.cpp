#include "TalkScriptManager.h"
