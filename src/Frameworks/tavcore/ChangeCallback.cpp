#include "tavcore/ChangeCallback.h"
