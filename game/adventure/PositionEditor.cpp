#include "PositionEditor.h"
