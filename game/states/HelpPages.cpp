#include "HelpPages.h"
