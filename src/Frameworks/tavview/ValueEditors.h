#pragma once

// The editors of single values that createDefaultEditor() picks by class.
#include "tavview/BooleanValueEditor.h"
#include "tavview/EnumerationValueEditor.h"
#include "tavview/FilePathValueEditor.h"
#include "tavview/TextValueEditor.h"
