#include "ConversationEngine.h"
