#include "engine/Extended.h"
