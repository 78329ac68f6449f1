#pragma once
// The material models in one include: colour changes, materials and material folders.

#include "model/ZelvoChangeColorModel.h"
#include "model/ZelvoStyleModel.h"
#include "model/ZelvoStylePackage.h"
