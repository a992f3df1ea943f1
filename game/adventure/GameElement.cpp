#include "GameElement.h"
