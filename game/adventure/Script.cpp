#include "Script.h"
